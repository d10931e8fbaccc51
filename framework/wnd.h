// Windows, controls and paint contexts. A CWnd names a window it does not own.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "framework/cmdtarget.h"
#include "framework/cstring.h"

class CWnd : public CCmdTarget {
 public:
  HWND m_hWnd = nullptr;

  CWnd() = default;
  explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }

  // The child control with this ID, or null. The object stays valid as long
  // as this window object does.
  CWnd* GetDlgItem(int id);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

 private:
  std::map<HWND, std::unique_ptr<CWnd>> m_children;
};

// A view of a list box window for reading its lines.
class CListBox {
 public:
  explicit CListBox(CWnd& wnd) : m_wnd(wnd) {}
  void GetText(int index, CString& text) const;

 private:
  CWnd& m_wnd;
};

// Begins painting a window when made and ends it when it goes.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps{};
  HDC m_hDC;
};
