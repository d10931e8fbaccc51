#include "app/vorkel_app.h"

#include <commctrl.h>

#include "app/outside_programs.h"
#include "dialog/vorkel_dlg.h"

const char kInstallScript[] = "绿化及安装驱动.bat";

namespace {
constexpr char kRegistryKey[] = "安装工具";
}  // namespace

CvorkelApp theApp;

CvorkelApp::CvorkelApp() : CWinAppEx(TRUE) {}

BEGIN_MESSAGE_MAP(CvorkelApp, CWinAppEx)
  ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CvorkelApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CWinAppEx::InitInstance();
  AfxEnableControlContainer(nullptr);
  SetRegistryKey(kRegistryKey);

  // A writable install script in the start folder means the medium was
  // already laid out: run it instead of asking. A read-only one (as on the
  // original medium) leads to the dialog.
  if (crt::Access(kInstallScript, crt::kWriteMode) == 0) {
    RunThroughInterpreter(kInstallScript);
    return FALSE;
  }

  CvorkelDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  // The window may never have been made; then nothing cleared the pointer.
  m_pMainWnd = nullptr;
  return FALSE;
}
