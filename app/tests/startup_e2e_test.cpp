// Which road the tool takes at start: the install script that stands in the
// start folder, or the install dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include "testkit/medium.h"
#include "testkit/tool_process.h"

namespace {

using testkit::Folder;
using testkit::ToolProcess;

constexpr char kScript[] = "绿化及安装驱动.bat";

// The script notes the folder it ran in and fails, which must not matter.
constexpr char kRecordingScript[] =
    "@echo off\r\n"
    "cd > ran-in.txt\r\n"
    "exit /b 7\r\n";

TEST(ScriptRoad, WritableScriptRunsInTheStartFolderWithoutAWindow) {
  Folder medium = Folder::ForTest();
  medium.File(kScript, kRecordingScript);

  ToolProcess tool(testkit::ToolExe(), medium.Path());
  DWORD exitCode = 1234;
  ASSERT_TRUE(tool.WaitForExit(&exitCode)) << "a dialog must not be waiting";
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(medium.Read("ran-in.txt"), medium.Path() + "\r\n");
}

TEST(ScriptRoad, FolderWithTheScriptsNameTakesTheScriptRoad) {
  Folder medium = Folder::ForTest();
  medium.Dir(kScript);

  ToolProcess tool(testkit::ToolExe(), medium.Path());
  DWORD exitCode = 1234;
  ASSERT_TRUE(tool.WaitForExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST(DialogRoad, ReadOnlyOrMissingScriptShowsTheDialog) {
  Folder readOnly = Folder::ForTest("-readonly");
  readOnly.File(kScript, kRecordingScript).ReadOnly(kScript);
  Folder none = Folder::ForTest("-none");

  for (const Folder* medium : {&readOnly, &none}) {
    ToolProcess tool(testkit::ToolExe(), medium->Path());
    EXPECT_NE(tool.WaitForDialog(), nullptr) << medium->Path();
    EXPECT_FALSE(medium->Exists("ran-in.txt"));
    tool.Click(IDCANCEL);
    EXPECT_TRUE(tool.WaitForExit());
  }
}

TEST(DialogRoad, ScriptBesideTheExecutableIsNotLookedFor) {
  Folder exeFolder = Folder::ForTest("-exe");
  ASSERT_TRUE(CopyFileA(testkit::ToolExe().c_str(),
                        exeFolder.Path("vorkel.exe").c_str(), FALSE));
  exeFolder.File(kScript, kRecordingScript);
  Folder start = Folder::ForTest("-start");

  ToolProcess tool(exeFolder.Path("vorkel.exe"), start.Path());
  EXPECT_NE(tool.WaitForDialog(), nullptr);
  EXPECT_FALSE(exeFolder.Exists("ran-in.txt"));
  tool.Click(IDCANCEL);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
