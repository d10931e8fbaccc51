#include "framework/wnd.h"

#include <string>

CWnd* CWnd::GetDlgItem(int id) {
  HWND child = ::GetDlgItem(m_hWnd, id);
  if (child == nullptr) return nullptr;
  std::unique_ptr<CWnd>& wrapper = m_children[child];
  if (!wrapper) wrapper = std::make_unique<CWnd>(child);
  return wrapper.get();
}

void CListBox::GetText(int index, CString& text) const {
  const LRESULT length = m_wnd.SendMessage(LB_GETTEXTLEN, index);
  if (length == LB_ERR) {
    text = CString();
    return;
  }
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      m_wnd.SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]));
  buffer.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  text = CString(buffer);
}

CPaintDC::CPaintDC(CWnd* wnd)
    : m_hWnd(wnd->m_hWnd), m_hDC(::BeginPaint(m_hWnd, &m_ps)) {}

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
