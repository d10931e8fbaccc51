// The bytes the copy request produces: target folder, copy script, side
// files and message texts.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/copy_request.h"
#include "install/copy_script.h"
#include "install/message_text.h"
#include "install/side_files.h"
#include "install/text_file.h"
#include "testkit/medium.h"

namespace {

TEST(TargetFolder, IsDriveLetterColonBackslashAndName) {
  EXPECT_EQ(TargetFolder(1, "Olvane综合管理系统"), "D:\\Olvane综合管理系统");
  EXPECT_EQ(TargetFolder(0, "x"), "C:\\x");
  EXPECT_EQ(TargetFolder(11, "x"), "N:\\x");
  EXPECT_EQ(TargetFolder(1, "a\\b"), "D:\\a\\b");
}

TEST(CopyScript, CopiesBaseEditionThenEachPackageIntoTheTarget) {
  EXPECT_EQ(
      ComposeCopyScript("F:\\setup", "D:\\Olvane综合管理系统",
                        {"硬件支持包\\plugin_cam", "硬件支持包\\qzt_door"}),
      "@echo off\n"
      "xcopy /E /Y \"F:\\setup\\Halvit\\*\" \"D:\\Olvane综合管理系统\\\" & if errorlevel 1 exit /b 1\n"
      "xcopy /E /Y \"F:\\setup\\硬件支持包\\plugin_cam\\*\" \"D:\\Olvane综合管理系统\\\" & if errorlevel 1 exit /b 1\n"
      "xcopy /E /Y \"F:\\setup\\硬件支持包\\qzt_door\\*\" \"D:\\Olvane综合管理系统\\\" & if errorlevel 1 exit /b 1\n");
}

TEST(CopyScript, KeepsEveryPathOneArgument) {
  // No package: the base edition alone. A drive root keeps its backslash.
  EXPECT_EQ(ComposeCopyScript("E:\\", "C:\\x", {}),
            "@echo off\n"
            "xcopy /E /Y \"E:\\\\Halvit\\*\" \"C:\\x\\\" & if errorlevel 1 exit /b 1\n");
  // Spaces and & stay inside the quotes; % is doubled for the interpreter.
  EXPECT_EQ(ComposeCopyScript("F:\\R&D setup 100%", "D:\\a%b%", {"p (1)"}),
            "@echo off\n"
            "xcopy /E /Y \"F:\\R&D setup 100%%\\Halvit\\*\" \"D:\\a%%b%%\\\" & if errorlevel 1 exit /b 1\n"
            "xcopy /E /Y \"F:\\R&D setup 100%%\\p (1)\\*\" \"D:\\a%%b%%\\\" & if errorlevel 1 exit /b 1\n");
  EXPECT_EQ(ScriptCommand("C:\\users\\a b\\Temp\\qzt-copyInstallFile.bat"),
            "\"\"C:\\users\\a b\\Temp\\qzt-copyInstallFile.bat\"\"");
}

TEST(MessageText, NamesThePathAtEachPlaceholderWhateverItHolds) {
  EXPECT_EQ(FormatMessageText("【%s】和【%s】", "D:\\100%s"),
            "【D:\\100%s】和【D:\\100%s】");
  // Longer than any fixed buffer would hold.
  const std::string longPath = "D:\\" + std::string(3000, 'x');
  EXPECT_EQ(FormatMessageText("<%s|%s>", longPath),
            "<" + longPath + "|" + longPath + ">");
}

TEST(TextFile, WritesLineFeedsAsCrLf) {
  testkit::Folder folder = testkit::Folder::ForTest();
  ASSERT_TRUE(WriteTextFile(folder.Path("launcher.bat"), kLauncherText));
  EXPECT_EQ(std::string(kLauncherText).size(), 35u);
  EXPECT_EQ(folder.Read("launcher.bat"),
            "@echo off\r\n\r\ncall 绿化及安装驱动.bat\r\n");
  EXPECT_EQ(folder.Read("launcher.bat").size(), 38u);

  // A second write replaces the whole content.
  ASSERT_TRUE(WriteTextFile(folder.Path("launcher.bat"), "a\rb"));
  EXPECT_EQ(folder.Read("launcher.bat"), "a\rb");

  folder.Dir("a folder");
  EXPECT_FALSE(WriteTextFile(folder.Path("a folder"), "x"));
  EXPECT_FALSE(WriteTextFile(folder.Path("missing\\x.txt"), "x"));
}

}  // namespace
