// The bytes the copy request produces: target folder, copy script, side
// files and message texts.
#include <windows.h>

#include <gtest/gtest.h>

#include "install/copy_request.h"
#include "install/copy_script.h"
#include "install/copy_sources.h"
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

TEST(CopyScript, CopiesEachSourceIntoTheTargetAndStopsAtAFailure) {
  EXPECT_EQ(
      ComposeCopyScript("D:\\Olvane综合管理系统",
                        {{"F:\\setup\\Halvit", true},
                         {"F:\\setup\\硬件支持包\\plugin_cam", true},
                         {"F:\\setup\\硬件支持包\\qzt_door", true}}),
      "@echo off\n"
      "setlocal DisableDelayedExpansion\n"
      "xcopy /E /Y \"F:\\setup\\Halvit\\*\" \"D:\\Olvane综合管理系统\\\"\n"
      "if errorlevel 1 exit /b 1\n"
      "if not errorlevel 0 exit /b 1\n"
      "xcopy /E /Y \"F:\\setup\\硬件支持包\\plugin_cam\\*\" \"D:\\Olvane综合管理系统\\\"\n"
      "if errorlevel 1 exit /b 1\n"
      "if not errorlevel 0 exit /b 1\n"
      "xcopy /E /Y \"F:\\setup\\硬件支持包\\qzt_door\\*\" \"D:\\Olvane综合管理系统\\\"\n"
      "if errorlevel 1 exit /b 1\n"
      "if not errorlevel 0 exit /b 1\n"
      "exit /b 0\n");
}

TEST(CopyScript, DoesNotTestACopyWithoutFiles) {
  EXPECT_EQ(ComposeCopyScript("C:\\x", {{"E:\\Halvit", true}, {"E:\\empty", false}}),
            "@echo off\n"
            "setlocal DisableDelayedExpansion\n"
            "xcopy /E /Y \"E:\\Halvit\\*\" \"C:\\x\\\"\n"
            "if errorlevel 1 exit /b 1\n"
            "if not errorlevel 0 exit /b 1\n"
            "xcopy /E /Y \"E:\\empty\\*\" \"C:\\x\\\"\n"
            "exit /b 0\n");
}

TEST(CopyScript, KeepsEveryPathOneArgument) {
  // Spaces and & stay inside the quotes; % is doubled for the interpreter.
  EXPECT_EQ(ComposeCopyScript("D:\\a%b%", {{"F:\\R&D setup 100%\\p (1)", false}}),
            "@echo off\n"
            "setlocal DisableDelayedExpansion\n"
            "xcopy /E /Y \"F:\\R&D setup 100%%\\p (1)\\*\" \"D:\\a%%b%%\\\"\n"
            "exit /b 0\n");
  EXPECT_EQ(ScriptCommand("C:\\users\\a b\\Temp\\qzt-copyInstallFile.bat"),
            "\"\"C:\\users\\a b\\Temp\\qzt-copyInstallFile.bat\"\"");
  // No %NAME% of the path can name a variable on the command line.
  EXPECT_EQ(ScriptCommand("C:\\x%PATH%y\\s.bat"),
            "\"\"C:\\x%\"\"PATH%\"\"y\\s.bat\"\"");
}

TEST(CopySources, AreTheBaseEditionThenEachPackage) {
  EXPECT_EQ(CopySourceFolders("F:\\setup", {"硬件支持包\\b", "硬件支持包\\a"}),
            std::vector<std::string>({"F:\\setup\\Halvit", "F:\\setup\\硬件支持包\\b",
                                      "F:\\setup\\硬件支持包\\a"}));
  // At a drive root the working folder keeps its backslash.
  EXPECT_EQ(CopySourceFolders("E:\\", {}), std::vector<std::string>({"E:\\\\Halvit"}));
}

TEST(CopySources, PathsThatXcopyCannotBeHandedAreRefused) {
  const std::string at247 = "F:\\" + std::string(247 - 3, 'x');
  // 誠 and 謀 are two bytes, one character, each; 誠's second byte is \ and
  // 檤's is |.
  const std::string gbkAt247 = "F:\\" + std::string(243, 'x') + "誠";
  const struct {
    std::string path;
    bool copyable;
  } cases[] = {
      {"F:\\setup\\Halvit", true},
      {"E:\\\\Halvit", true},
      {"F:\\R&D (1) 100%!^\\硬件支持包\\plugin_门禁", true},
      {"F:\\setup\\硬件支持包\\q\" & echo x", false},
      {"F:\\setup\\硬件支持包\\??", false},
      {"F:\\setup\\a*", false},
      {"F:\\setup\\a<b", false},
      {"F:\\setup\\a>b", false},
      {"F:\\setup\\a|b", false},
      {"F:\\setup\\硬件支持包\\x.", false},
      {"F:\\setup\\硬件支持包\\x ", false},
      {"F:\\setup.\\Halvit", false},
      {"F:\\set up \\Halvit", false},
      {"F:\\.x\\Halvit", true},
      {"F:\\誠\\Halvit", true},
      {"F:\\檤\\Halvit", true},
      {at247, true},
      {at247 + "x", false},
      {gbkAt247, true},
      {gbkAt247 + "謀", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsCopyablePath(c.path, 936), c.copyable) << c.path;
  EXPECT_EQ(WindowsPathLength(gbkAt247, 936), 247u);
}

TEST(CopySources, HoldFilesWhenAFileThatXcopyCopiesIsBelow) {
  testkit::Folder folder = testkit::Folder::ForTest();
  folder.Dir("empty").Dir("folders\\a\\b").Dir("folders\\c")
      .File("deep\\a\\b\\file.txt").File("flat\\file.txt")
      .File("hidden\\.file");
  SetFileAttributesA(folder.Path("hidden\\.file").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(HoldsFiles(folder.Path("empty")));
  EXPECT_FALSE(HoldsFiles(folder.Path("folders")));
  EXPECT_FALSE(HoldsFiles(folder.Path("hidden")));
  EXPECT_TRUE(HoldsFiles(folder.Path("deep")));
  EXPECT_TRUE(HoldsFiles(folder.Path("flat")));
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
