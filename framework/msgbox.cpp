#include "framework/msgbox.h"

#include "framework/winapp.h"

UINT AfxMessageBoxType(UINT type) {
  if ((type & MB_ICONMASK) != 0) return type;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return type | MB_ICONEXCLAMATION;
    case MB_YESNOCANCEL:
    case MB_YESNO:
      return type | MB_ICONQUESTION;
    default:
      return type;
  }
}

int AfxMessageBox(const char* text, UINT type, UINT /*helpId*/) {
  CWinApp* app = AfxGetApp();
  HWND owner = nullptr;
  const char* caption = nullptr;
  if (app) {
    if (app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
    caption = app->m_strTitle.empty() ? nullptr : app->m_strTitle.c_str();
  }
  return MessageBoxA(owner, text, caption, AfxMessageBoxType(type));
}
