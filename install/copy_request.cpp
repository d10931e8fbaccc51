// The copy button: check the name, make the target folder, then copy, write
// the side files and offer the follow-up tools. Every stop leaves the dialog
// open for another try.
#include "install/copy_request.h"

#include <direct.h>

#include <vector>

#include "dialog/vorkel_dlg.h"
#include "install/copy_script.h"
#include "install/copy_sources.h"
#include "install/follow_up.h"
#include "install/message_text.h"
#include "install/side_files.h"

namespace {

constexpr char kEmptyName[] = "软件名称不能为空！";
constexpr char kSpaceInName[] = "软件名称不能有空格！";
constexpr char kTargetExists[] = "安装目标目录已经存在，要继续在此位置安装吗？";
constexpr char kCreationFailed[] =
    "创建目标目录失败！请检查磁盘或者软件名称是否正确，以及当前操作员是否有对应的访问权限。";
constexpr char kSourceRefused[] = "无法复制安装介质中的目录【%s】！请检查安装介质。";

// The folder paths of the chosen packages, in the list's order.
std::vector<std::string> CollectCopyList(CWnd* selectedList) {
  std::vector<std::string> copyList;
  if (selectedList == nullptr) return copyList;
  for (int line = 0; line < selectedList->SendMessage(LB_GETCOUNT); ++line) {
    const auto* folder = reinterpret_cast<const char*>(
        selectedList->SendMessage(LB_GETITEMDATA, line));
    if (folder != nullptr) copyList.emplace_back(folder);
  }
  return copyList;
}

// A plain file at the target path would take the copy into a file.
bool IsUsableTargetFolder(const std::string& targetFolder) {
  return crt::Access(targetFolder.c_str(), crt::kWriteMode) == 0 &&
         IsFolder(targetFolder);
}

}  // namespace

std::string TargetFolder(int driveIndex, const std::string& softwareName) {
  const char letter =
      static_cast<char>('C' + static_cast<unsigned char>(driveIndex));
  return std::string(1, letter) + ":\\" + softwareName;
}

void CvorkelDlg::OnCopyFiles() {
  UpdateData(TRUE);
  if (m_strSoftwareName.GetLength() == 0) {
    AfxMessageBox(kEmptyName, MB_OK);
    return;
  }
  if (m_strSoftwareName.Find(" ") >= 0) {
    AfxMessageBox(kSpaceInName, MB_OK);
    return;
  }
  const std::string targetFolder =
      TargetFolder(m_nTargetDrive, m_strSoftwareName.GetString());
  if (crt::Access(targetFolder.c_str(), crt::kWriteMode) == 0 &&
      AfxMessageBox(kTargetExists, MB_YESNO) != IDYES)
    return;
  const std::vector<std::string> sources = CopySourceFolders(
      WorkingFolder(), CollectCopyList(GetDlgItem(IDC_SELECTED_PACKAGES)));
  // A medium that xcopy cannot take whole, or a target Windows cannot make,
  // is refused before anything is written.
  if (const std::string* refused = FirstRefusedSource(sources)) {
    AfxMessageBox(FormatMessageText(kSourceRefused, *refused).c_str(), MB_OK);
    return;
  }
  const bool creatable = WindowsPathLength(targetFolder) <= kMaxFolderPathLength;
  if (creatable) _mkdir(targetFolder.c_str());
  if (!creatable || !IsUsableTargetFolder(targetFolder)) {
    AfxMessageBox(kCreationFailed, MB_OK);
    return;
  }
  if (!CopyInstallFiles(targetFolder, sources)) return;
  if (!WriteSideFiles(targetFolder, m_strSoftwareName.GetString())) return;
  OfferFollowUps(*this, targetFolder);
  OnOK();
}
