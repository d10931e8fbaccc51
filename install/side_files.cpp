#include "install/side_files.h"

#include "framework/msgbox.h"
#include "install/message_text.h"
#include "install/text_file.h"

const char kLauncherText[] = "@echo off\n\ncall 绿化及安装驱动.bat\n";

namespace {

constexpr char kNameFileName[] = "软件名称.txt";
constexpr char kLauncherName[] = "@安装.bat";
constexpr char kFileNotWritten[] = "无法写入文件【%s】！";

bool WriteSideFile(const std::string& path, const std::string& text) {
  if (WriteTextFile(path, text)) return true;
  AfxMessageBox(FormatMessageText(kFileNotWritten, path).c_str(), MB_OK);
  return false;
}

}  // namespace

bool WriteSideFiles(const std::string& targetFolder,
                    const std::string& softwareName) {
  const bool nameWritten =
      WriteSideFile(targetFolder + "\\" + kNameFileName, softwareName);
  const bool launcherWritten =
      WriteSideFile(targetFolder + "\\" + kLauncherName, kLauncherText);
  return nameWritten && launcherWritten;
}
