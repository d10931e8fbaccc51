// The copy's verdict end to end: what xcopy is handed, and what counts as a
// failure, the same as under Windows' cmd and xcopy. Where Wine's answer
// differs, a stand-in xcopy in the medium's root, which the interpreter finds
// before the system's, answers as Windows' does.
#include "install/tests/copy_request_fixture.h"

namespace {

using namespace copy_e2e;

std::string SourceRefused(const std::string& path) {
  return "无法复制安装介质中的目录【" + path + "】！请检查安装介质。";
}
const std::string kCopyFailedOnM =
    "文件复制失败！请检查安装介质以及目标目录【M:\\copy】所在的磁盘，然后重试。";

class CopyVerdict : public CopyRequest {
 protected:
  void UseWindowsXcopy(Folder& medium) {
    ASSERT_TRUE(CopyFileA(testkit::StandInXcopyExe().c_str(),
                          medium.Path("xcopy.exe").c_str(), FALSE));
  }

  // A refused request: its message, and no target folder or script made.
  void ExpectRefused(ToolProcess& tool, const std::string& message,
                     const std::string& target = "copy") {
    EXPECT_EQ(Answer(tool, IDOK), message);
    ExpectDialogWaiting(tool);
    EXPECT_FALSE(drive_.Exists(target));
    EXPECT_FALSE(Folder::Existing(TempFolder()).Exists("qzt-copyInstallFile.bat"));
  }
};

// Windows' xcopy fails a source without a file to copy; the copy goes on.
TEST_F(CopyVerdict, PackagesWithoutFilesDoNotFailTheCopy) {
  UseWindowsXcopy(medium_);
  medium_.Dir("硬件支持包\\empty").Dir("硬件支持包\\folders\\a\\b");
  auto tool = Start();
  SelectPackage(*tool, "empty");
  SelectPackage(*tool, "folders");
  SelectPackage(*tool, "cam");
  Request(*tool, kDriveM, "copy");
  FinishWithoutFollowUps(*tool, "M:\\copy");
  Folder target = Folder::Existing(drive_.Path("copy"));
  EXPECT_EQ(target.Read("cam.txt"), "cam");
  EXPECT_TRUE(target.Exists("a\\b")) << "/E makes the empty folders";
}

// A copy that crashes is a failure on any line, not only the last.
TEST_F(CopyVerdict, CrashOfAnEarlierCopyStopsTheScript) {
  UseWindowsXcopy(medium_);
  auto tool = Start(medium_.Path(), {{"VORKEL_TEST_XCOPY_CRASH", "\\Halvit"}});
  SelectPackage(*tool, "cam");
  Request(*tool, kDriveM, "copy");
  EXPECT_EQ(Answer(*tool, IDOK), kCopyFailedOnM);
  ExpectDialogWaiting(*tool);
  EXPECT_FALSE(drive_.Exists("copy\\cam.txt"));
}

TEST_F(CopyVerdict, MediumWithoutBaseEditionIsRefused) {
  Folder medium = Folder::ForTest("\\medium");
  medium.File("硬件支持包\\cam\\cam.txt", "cam");
  auto tool = Start(medium.Path());
  Request(*tool, kDriveM, "copy");
  ExpectRefused(*tool, SourceRefused(medium.Path("Halvit")));
}

// Package folders whose names a batch line cannot carry, or that Windows
// reads as another folder's, are refused before anything runs.
TEST_F(CopyVerdict, PackageFoldersThatXcopyCannotTakeAreRefused) {
  const struct {
    std::wstring folder;  // as it is on the medium
    std::string shown;    // in list 1001 and in the message
  } cases[] = {
      {L"\xD55C\xAD6D", "??"},  // Korean, which GBK cannot write
      {L"x.", "x."},
      {L"x ", "x "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Folder medium = Folder::ForTest("\\medium");
    medium.File("Halvit\\base.txt", "base");
    medium.Dir("x").File("x\\x.txt", "the folder Windows would copy instead");
    const std::wstring packages = testkit::FromGbk(medium.Path("硬件支持包"));
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + packages).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + packages + L"\\" + c.folder).c_str(),
                                 nullptr));
    auto tool = Start(medium.Path());
    SelectPackage(*tool, c.shown);
    ASSERT_EQ(testkit::ListLines(tool->Control(1002)),
              std::vector<std::string>({c.shown}));
    Request(*tool, kDriveM, "copy");
    ExpectRefused(*tool, SourceRefused(medium.Path("硬件支持包\\" + c.shown)));
  }
}

// A folder name from a medium written on Linux must not become a command.
TEST_F(CopyVerdict, QuoteInAPackageFolderRunsNothing) {
  const Folder medium = Folder::Existing(testkit::TestRoot() + "\\quote-medium");
  const std::string package = "q\" & echo INJECTED> inj.txt & \"";
  auto tool = Start(medium.Path());
  SelectPackage(*tool, package);
  Request(*tool, kDriveM, "copy");
  ExpectRefused(*tool, SourceRefused(medium.Path("硬件支持包\\" + package)));
  EXPECT_FALSE(medium.Exists("inj.txt"));
}

// Longer than 247 characters, a folder path is more than Windows and xcopy
// work with. On drive M:, so the lengths do not depend on the checkout.
TEST_F(CopyVerdict, TooLongWorkingFolderIsRefused) {
  const std::string path = "M:\\" + std::string(241 - 3, 'w');
  ASSERT_EQ((path + "\\Halvit").size(), 248u);
  Folder medium(drive_.Path(path.substr(3)));
  medium.File("Halvit\\base.txt", "base");
  auto tool = Start(path);
  Request(*tool, kDriveM, "copy");
  ExpectRefused(*tool, SourceRefused(path + "\\Halvit"));
}

TEST_F(CopyVerdict, TooLongTargetFolderIsNotMade) {
  // Flat, so that no file path of the copy is longer than xcopy takes.
  Folder medium = Folder::ForTest("\\medium");
  medium.File("Halvit\\base.txt", "base");
  // 誠 is one character of two bytes: 248 and 247 characters with M:\.
  const std::string tooLong = std::string(243, 't') + "誠誠";
  const std::string longest = std::string(243, 't') + "誠";
  auto tool = Start(medium.Path());
  Request(*tool, kDriveM, tooLong);
  ExpectRefused(*tool, kCreationFailed, tooLong);
  Request(*tool, kDriveM, longest);
  FinishWithoutFollowUps(*tool, "M:\\" + longest);
  EXPECT_EQ(drive_.Read(longest + "\\base.txt"), "base");
}

// cmd expands %NAME% on its command line: a temporary folder's path must
// reach it as it stands.
TEST_F(CopyVerdict, PercentInTheTemporaryFolderRuns) {
  Folder temp = Folder::ForTest("\\x%PATH%y");
  auto tool = Start(medium_.Path(), {{"TMP", temp.Path()}, {"TEMP", temp.Path()}});
  Request(*tool, kDriveM, "copy");
  FinishWithoutFollowUps(*tool, "M:\\copy");
  EXPECT_EQ(drive_.Read("copy\\base.txt"), "base");
  EXPECT_TRUE(temp.Exists("qzt-copyInstallFile.bat"));
}

// Where the registry turns cmd's delayed expansion on, the ! of a path stays.
TEST_F(CopyVerdict, ExclamationMarksSurviveDelayedExpansion) {
  Folder medium = Folder::ForTest("\\a!b!c");
  LayMedium(medium);
  // Where no space in its path can split the interpreter's command line.
  ASSERT_TRUE(CopyFileA(testkit::StandInDelayedCmdExe().c_str(),
                        drive_.Path("cmd-v.exe").c_str(), FALSE));
  auto tool = Start(medium.Path(), {{"COMSPEC", "M:\\cmd-v.exe"}});
  SelectPackage(*tool, "cam");
  Request(*tool, kDriveM, "copy");
  FinishWithoutFollowUps(*tool, "M:\\copy");
  EXPECT_EQ(drive_.Read("copy\\base.txt"), "base");
  EXPECT_EQ(drive_.Read("copy\\cam.txt"), "cam");
}

}  // namespace
