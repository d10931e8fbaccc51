// The process entry: the framework's start and end around InitInstance.
#include <windows.h>

#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // A test on a drive without a medium fails quietly instead of asking.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS |
               SEM_NOOPENFILEERRORBOX);
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->InitApplication(instance);
  // The tool does all its work inside InitInstance and returns FALSE, so the
  // entry never needs a message loop of its own.
  app->InitInstance();
  if (app->m_pMainWnd && IsWindow(app->m_pMainWnd->m_hWnd))
    DestroyWindow(app->m_pMainWnd->m_hWnd);
  app->m_pMainWnd = nullptr;
  return app->ExitInstance();
}
