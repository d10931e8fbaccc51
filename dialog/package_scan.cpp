#include "dialog/package_map.h"

#include "dialog/vorkel_dlg.h"
#include "framework/framework.h"

namespace {
// The folder that holds the packages, relative to the start folder.
constexpr char kPackageRoot[] = "硬件支持包";
}  // namespace

std::string PackageDisplayName(const std::string& folderName) {
  CString display(folderName);
  display.Replace("plugin_", "");
  display.Replace("qzt_", "");
  return display.GetString();
}

void ScanPackages(PackageMap& packages) {
  const std::string pattern = std::string(kPackageRoot) + "\\*";
  CFileFind finder;
  if (!finder.FindFile(pattern.c_str(), 0)) return;
  BOOL more;
  do {
    // The entry made current is handled even when there is no next one.
    more = finder.FindNextFile();
    if (finder.IsDots() || !finder.IsDirectory()) continue;
    const std::string name = finder.GetFileName().GetString();
    packages[PackageDisplayName(name)] =
        std::string(kPackageRoot) + "\\" + name;
  } while (more);
}

void ShowPackages(CWnd* list, const PackageMap& packages) {
  if (list == nullptr) return;
  // Otherwise every insert updates the scroll bar and invalidates the list:
  // with thousands of packages that is most of the fill's time under Wine.
  list->SendMessage(WM_SETREDRAW, FALSE);
  WPARAM position = 0;
  for (const auto& [display, folder] : packages) {
    list->SendMessage(LB_INSERTSTRING, position,
                      reinterpret_cast<LPARAM>(display.c_str()));
    list->SendMessage(LB_SETITEMDATA, position,
                      reinterpret_cast<LPARAM>(folder.c_str()));
    ++position;
  }
  list->SendMessage(WM_SETREDRAW, TRUE);
  // Turning drawing back on does not repaint by itself.
  InvalidateRect(list->GetSafeHwnd(), nullptr, TRUE);
}

BOOL CvorkelDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  ScanPackages(m_mapAvailablePackages);
  ShowPackages(GetDlgItem(IDC_AVAILABLE_PACKAGES), m_mapAvailablePackages);
  return TRUE;
}
