// Choosing packages: list 1002 is always rebuilt whole from the selected map.
#include "dialog/vorkel_dlg.h"

void CvorkelDlg::OnAddPackage() {
  CWnd* available = GetDlgItem(IDC_AVAILABLE_PACKAGES);
  if (available == nullptr) return;
  const int line = static_cast<int>(available->SendMessage(LB_GETCURSEL));
  if (line < 0) return;
  CString display;
  CListBox(*available).GetText(line, display);
  const auto* folder =
      reinterpret_cast<const char*>(available->SendMessage(LB_GETITEMDATA, line));
  if (folder == nullptr) return;
  m_mapSelectedPackages[display.GetString()] = folder;
  RefreshSelectedList();
}

void CvorkelDlg::OnRemovePackage() {
  CWnd* selected = GetDlgItem(IDC_SELECTED_PACKAGES);
  if (selected == nullptr) return;
  const int line = static_cast<int>(selected->SendMessage(LB_GETCURSEL));
  if (line < 0) return;
  if (selected->SendMessage(LB_GETITEMDATA, line) == 0) return;
  CString display;
  CListBox(*selected).GetText(line, display);
  m_mapSelectedPackages.erase(display.GetString());
  // The erased entry's folder path is gone: rebuild before anything reads it.
  RefreshSelectedList();
}

void CvorkelDlg::RefreshSelectedList() {
  CWnd* selected = GetDlgItem(IDC_SELECTED_PACKAGES);
  if (selected == nullptr) return;
  selected->SendMessage(LB_RESETCONTENT);
  ShowPackages(selected, m_mapSelectedPackages);
}

void CvorkelDlg::OnDblclkAvailablePackages() { OnAddPackage(); }

void CvorkelDlg::OnDblclkSelectedPackages() { OnRemovePackage(); }
