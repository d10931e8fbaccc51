// What the end-to-end tests of the copy button share: the texts the tool
// shows, an install medium with stand-ins for the product's follow-up tools,
// and a fixture that starts the real vorkel.exe with M: as the target drive.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "testkit/medium.h"
#include "testkit/tool_process.h"
#include "testkit/windows_text.h"

namespace copy_e2e {

using testkit::Folder;
using testkit::ToolProcess;

constexpr int kDriveL = 9;   // not mapped
constexpr int kDriveM = 10;  // the test drive

inline const std::string kEmptyName = "软件名称不能为空！";
inline const std::string kSpaceInName = "软件名称不能有空格！";
inline const std::string kTargetExists = "安装目标目录已经存在，要继续在此位置安装吗？";
inline const std::string kCreationFailed =
    "创建目标目录失败！请检查磁盘或者软件名称是否正确，以及当前操作员是否有对应的访问权限。";
inline const std::string kLauncher = "@echo off\r\n\r\ncall 绿化及安装驱动.bat\r\n";

// The completion notice and the four follow-up questions for a target.
std::string Notice(const std::string& target);
std::vector<std::string> Questions(const std::string& target);

std::string TempFolder();

// A follow-up script that logs its name and the folder it ran in.
std::string StandInScript(const char* name);

// The copy script on disk for these sources, each of which holds files.
std::string CopyScript(const std::vector<std::string>& sources,
                       const std::string& target);

// An install medium: the base edition with the product's follow-up tools
// (stand-ins that log where they ran) and three packages. shared.txt stands
// in all of them; side files in the base edition must be replaced.
void LayMedium(Folder& medium);

// In byte order, as Folder::Tree() gives it.
inline const std::vector<std::string> kBaseTree = {
    "@安装.bat", "base.txt", "empty", "qzt_config.exe", "shared.txt", "sub",
    "sub\\deep", "sub\\deep\\file.txt", "绿化及安装驱动.bat", "软件名称.txt",
    "修改客户名称.bat"};

class CopyRequest : public ::testing::Test {
 protected:
  void SetUp() override {
    LayMedium(medium_);
    DeleteFileA(ScriptPath().c_str());
  }

  std::unique_ptr<ToolProcess> Start(const std::string& folder,
                                     testkit::Environment environment = {}) {
    environment["VORKEL_TEST_LOG"] = log_.Path("log.txt");
    auto tool = std::make_unique<ToolProcess>(testkit::ToolExe(), folder,
                                              environment);
    EXPECT_NE(tool->WaitForDialog(), nullptr);
    return tool;
  }
  std::unique_ptr<ToolProcess> Start() { return Start(medium_.Path()); }

  // Presses the copy button with this drive and name.
  static void Request(ToolProcess& tool, int drive, const std::string& name) {
    tool.SelectDrive(drive);
    tool.SetName(name);
    tool.ClickPosted(IDOK);
  }

  // Waits for the next box, presses `button` and gives back its text.
  static std::string Answer(ToolProcess& tool, int button) {
    const testkit::MessageBoxWindow box = tool.WaitForMessageBox();
    if (box.window == nullptr) return "<no message box>";
    box.Press(button);
    return box.text;
  }

  // No box follows, and the dialog is still there to try again.
  static void ExpectDialogWaiting(ToolProcess& tool) {
    EXPECT_EQ(tool.WaitForMessageBox(800).window, nullptr);
    EXPECT_TRUE(IsWindowVisible(tool.Dialog()));
    EXPECT_TRUE(IsWindowEnabled(tool.Dialog()));
  }

  static void SelectPackage(ToolProcess& tool, const std::string& display) {
    const std::vector<std::string> lines = testkit::ListLines(tool.Control(1001));
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == display) tool.SelectLine(1001, static_cast<int>(i));
    tool.Click(1003);
  }

  // Answers the notice and four No.
  static void FinishWithoutFollowUps(ToolProcess& tool, const std::string& target) {
    EXPECT_EQ(Answer(tool, IDOK), Notice(target));
    for (const std::string& question : Questions(target))
      EXPECT_EQ(Answer(tool, IDNO), question);
    EXPECT_TRUE(tool.WaitForExit());
  }

  static std::string ScriptPath() {
    return TempFolder() + "qzt-copyInstallFile.bat";
  }
  static std::string ReadFileAt(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return Folder::Existing(path.substr(0, slash)).Read(path.substr(slash + 1));
  }

  Folder drive_{testkit::DriveRoot('m')};
  Folder medium_ = Folder::ForTest();
  Folder log_ = Folder::ForTest("-log");
};

}  // namespace copy_e2e
