#include "framework/dialog.h"

#include <new>
#include <string>

#include "framework/msgbox.h"
#include "framework/winapp.h"

namespace {

constexpr WORD kDlgInitResourceType = 240;
// The framework's codes in the initialisation data for adding a list item.
constexpr WORD kDlgInitListAdd = 0x0401;
constexpr WORD kDlgInitComboAdd = 0x0403;

constexpr char kOutOfMemory[] = "内存不足，操作未能完成。";

}  // namespace

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
  HWND combo = GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
  if (pDX->m_bSaveAndValidate)
    index = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  else
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  HWND control = GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(
      GetWindowTextA(control, &text[0], length + 1)));
  if (pDX->m_bSaveAndValidate)
    value = CString(text);
  else if (text != value.GetString())  // spares the edit a needless update
    SetWindowTextA(control, value);
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_templateId(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId),
                         parent, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
    reinterpret_cast<CDialog*>(lParam)->m_hWnd = hWnd;
  }
  auto* dialog =
      reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  // No exception may cross the system's dialog code.
  try {
    return dialog->HandleMessage(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    AfxMessageBox(kOutOfMemory, MB_OK | MB_ICONSTOP);
  } catch (...) {
    dialog->EndDialog(-1);
  }
  return TRUE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  LRESULT result = 0;
  switch (message) {
    case WM_INITDIALOG: {
      const BOOL setFocus = OnInitDialog();
      if (m_pParentWnd == nullptr) CenterInWorkArea();
      return setFocus;
    }
    case WM_COMMAND:
      return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP:
      // F1 becomes the help command, routed like any other command.
      return OnCmdMsg(ID_HELP, 0);
    case WM_NCDESTROY: {
      CWinApp* app = AfxGetApp();
      if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
      m_hWnd = nullptr;
      return FALSE;
    }
    case WM_QUERYDRAGICON:
      // One of the messages whose result is the dialog procedure's value.
      return DispatchFromMap(message, 0, 0, &result) ? result : FALSE;
    default:
      return DispatchFromMap(message, 0, 0, &result);
  }
}

bool CDialog::OnCmdMsg(UINT id, UINT code) {
  if (CCmdTarget::OnCmdMsg(id, code)) return true;
  // Commands the dialog does not handle go on to the application.
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code);
}

BOOL CDialog::ExecuteDlgInit() {
  HINSTANCE module = AfxGetResourceHandle();
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(m_templateId),
                             MAKEINTRESOURCEA(kDlgInitResourceType));
  if (info == nullptr) return TRUE;
  const BYTE* data =
      static_cast<const BYTE*>(LockResource(LoadResource(module, info)));
  if (data == nullptr) return TRUE;
  const BYTE* end = data + SizeofResource(module, info);
  while (data + sizeof(WORD) <= end) {
    const WORD controlId = *reinterpret_cast<const WORD*>(data);
    if (controlId == 0 || data + 8 > end) break;
    const WORD code = *reinterpret_cast<const WORD*>(data + 2);
    const DWORD length = *reinterpret_cast<const DWORD*>(data + 4);
    const BYTE* item = data + 8;
    if (item + length > end) break;
    const UINT message = code == kDlgInitComboAdd  ? CB_ADDSTRING
                         : code == kDlgInitListAdd ? LB_ADDSTRING
                                                   : 0;
    if (message != 0 &&
        SendDlgItemMessageA(m_hWnd, controlId, message, 0,
                            reinterpret_cast<LPARAM>(item)) == -1)
      return FALSE;
    data = item + length;
  }
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  if (!ExecuteDlgInit() || !UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;
}

void CDialog::CenterInWorkArea() {
  RECT work, window;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(m_hWnd, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(m_hWnd, nullptr,
               work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const std::bad_alloc&) {
    AfxMessageBox(kOutOfMemory, MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  return TRUE;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnPaint() { CPaintDC dc(this); }

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
  ON_WM_PAINT()
END_MESSAGE_MAP()
