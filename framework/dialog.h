// Modal dialogs built from a template, with the template's initialisation
// data, data exchange and the default OK and cancel.
#pragma once

#include <windows.h>

#include "framework/cstring.h"
#include "framework/wnd.h"

class CDialog;

// The direction and target of one data exchange.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // TRUE: controls to members
};

// Combo box selection index (CB_ERR when none) <-> int.
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
// Control text <-> string.
void DDX_Text(CDataExchange* pDX, int id, CString& value);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Runs the dialog until EndDialog; returns its code, or -1 when the window
  // could not be made.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  void EndDialog(int result);
  // The dialog's own maps first, then the application's.
  bool OnCmdMsg(UINT id, UINT code) override;

 protected:
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  void OnPaint();

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Sends the template's initialisation data (resource type 240) to its
  // controls. FALSE when a control refuses an item.
  BOOL ExecuteDlgInit();
  void CenterInWorkArea();

  UINT m_templateId;
  CWnd* m_pParentWnd;
};
