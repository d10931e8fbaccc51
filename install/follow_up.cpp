#include "install/follow_up.h"

#include <direct.h>

#include "app/outside_programs.h"
#include "framework/framework.h"
#include "install/message_text.h"

namespace {

constexpr char kCompletionNotice[] =
    "文件复制操作完成。请运行【%s】中的\"绿化及安装驱动.bat\"进行绿化安装。"
    "也可以复制【%s】目录到其它计算机，并运行其中的\"绿化及安装驱动.bat\"来安装。";

constexpr char kCannotEnterTarget[] = "无法进入目标目录【%s】！";

struct FollowUp {
  const char* question;
  const char* command;
};

constexpr FollowUp kInstallNow = {
    "立即运行【%s】中的\"绿化及安装驱动.bat\"进行绿化安装？"
    "选择是立即在本机安装，选择否不安装。",
    "绿化及安装驱动.bat"};

// Offered one after another when the operator does not install at once.
constexpr FollowUp kOtherFollowUps[] = {
    {"立即运行【%s】中的\"修改客户名称.bat\"指定最终客户的名称？",
     "修改客户名称.bat"},
    {"立即打开【%s】中的\"软件名称.txt\"指定安装后软件快捷方式名称？",
     "notepad.exe 软件名称.txt"},
    {"立即运行【%s】中的\"qzt_config.exe\"帮助终端客户预先配置好模板？",
     "qzt_config.exe"},
};

bool Ask(const FollowUp& followUp, const std::string& targetFolder) {
  return AfxMessageBox(
             FormatMessageText(followUp.question, targetFolder).c_str(),
             MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The commands name their file relative to the target folder. If it cannot
// be entered (gone, or its drive away), the current folder is still the
// medium's root, whose own install script must not run in its place.
void Launch(CWnd& dialog, const FollowUp& followUp,
            const std::string& targetFolder) {
  dialog.ShowWindow(SW_HIDE);
  if (_chdir(targetFolder.c_str()) != 0) {
    AfxMessageBox(FormatMessageText(kCannotEnterTarget, targetFolder).c_str(),
                  MB_OK);
    return;
  }
  RunThroughInterpreter(followUp.command);
}

}  // namespace

void OfferFollowUps(CWnd& dialog, const std::string& targetFolder) {
  AfxMessageBox(FormatMessageText(kCompletionNotice, targetFolder).c_str(),
                MB_OK);
  if (Ask(kInstallNow, targetFolder)) {
    Launch(dialog, kInstallNow, targetFolder);
    return;
  }
  for (const FollowUp& followUp : kOtherFollowUps)
    if (Ask(followUp, targetFolder)) Launch(dialog, followUp, targetFolder);
}
