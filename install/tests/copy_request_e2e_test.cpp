// The copy button end to end: checks, target folder, copy, side files,
// completion notice and follow-up launches, on the real vorkel.exe with M:
// mapped to a folder of the test tree.
#include "install/tests/copy_request_fixture.h"

namespace {

using namespace copy_e2e;

TEST_F(CopyRequest, BaseEditionAloneWithDefaultName) {
  // A longer script from before must not leave bytes behind.
  Folder::Existing(TempFolder()).File("qzt-copyInstallFile.bat", std::string(2000, 'x'));
  auto tool = Start();
  tool->SelectDrive(kDriveM);
  tool->ClickPosted(IDOK);
  FinishWithoutFollowUps(*tool, "M:\\Olvane综合管理系统");

  Folder target = Folder::Existing(drive_.Path("Olvane综合管理系统"));
  EXPECT_EQ(target.Tree(), kBaseTree);
  EXPECT_EQ(target.Read("软件名称.txt"), "Olvane综合管理系统");
  EXPECT_EQ(target.Read("@安装.bat"), kLauncher);
  EXPECT_EQ(target.Read("shared.txt"), "from base");
  EXPECT_EQ(ReadFileAt(ScriptPath()),
            CopyScript({medium_.Path("Halvit")}, "M:\\Olvane综合管理系统"));
  EXPECT_FALSE(log_.Exists("log.txt")) << "nothing was to be launched";
}

TEST_F(CopyRequest, ThreePackagesCopyInKeyOrderOverTheBaseEdition) {
  auto tool = Start();
  for (const char* display : {"door", "alarm", "cam"}) SelectPackage(*tool, display);
  EXPECT_EQ(testkit::ListLines(tool->Control(1002)),
            std::vector<std::string>({"alarm", "cam", "door"}));
  Request(*tool, kDriveM, "pkgs");
  FinishWithoutFollowUps(*tool, "M:\\pkgs");

  Folder target = Folder::Existing(drive_.Path("pkgs"));
  for (const char* file : {"base.txt", "alarm.txt", "cam.txt", "door\\d.txt"})
    EXPECT_TRUE(target.Exists(file)) << file;
  EXPECT_EQ(target.Read("shared.txt"), "from door");
  EXPECT_EQ(target.Read("软件名称.txt"), "pkgs");
  EXPECT_EQ(ReadFileAt(ScriptPath()),
            CopyScript({medium_.Path("Halvit"), medium_.Path("硬件支持包\\alarm"),
                        medium_.Path("硬件支持包\\plugin_cam"),
                        medium_.Path("硬件支持包\\qzt_door")},
                       "M:\\pkgs"));
}

TEST_F(CopyRequest, NamesThatAreRefusedStopWithTheirMessage) {
  auto tool = Start();
  // Enter starts the request too, from the drive list that has the focus.
  tool->SetName("");
  tool->PressKey(VK_RETURN);
  EXPECT_EQ(Answer(*tool, IDOK), kEmptyName);
  const struct {
    const char* name;
    const std::string& message;
  } cases[] = {{"", kEmptyName},
               {"a b", kSpaceInName},
               {" ab", kSpaceInName},
               {"ab ", kSpaceInName}};
  for (const auto& c : cases) {
    Request(*tool, kDriveM, c.name);
    EXPECT_EQ(Answer(*tool, IDOK), c.message) << "name \"" << c.name << "\"";
  }
  ExpectDialogWaiting(*tool);
  EXPECT_TRUE(drive_.Tree().empty());
  EXPECT_FALSE(Folder::Existing(TempFolder()).Exists("qzt-copyInstallFile.bat"));

}

TEST_F(CopyRequest, FullWidthSpaceAndTabAreNoAsciiSpace) {
  for (const char* name : {"全角　空格", "tab\there"}) {
    auto tool = Start();
    Request(*tool, kDriveM, name);
    const std::string text = Answer(*tool, IDOK);
    EXPECT_NE(text, kSpaceInName) << name;
    EXPECT_NE(text, kEmptyName) << name;
  }
}

TEST_F(CopyRequest, ExistingTargetIsOnlyUsedAfterYes) {
  drive_.File("exist\\old.txt", "old");
  auto tool = Start();
  SelectPackage(*tool, "cam");
  Request(*tool, kDriveM, "exist");
  EXPECT_EQ(Answer(*tool, IDNO), kTargetExists);
  ExpectDialogWaiting(*tool);
  EXPECT_EQ(drive_.Tree(), std::vector<std::string>({"exist", "exist\\old.txt"}));
  EXPECT_FALSE(Folder::Existing(TempFolder()).Exists("qzt-copyInstallFile.bat"));

  tool->ClickPosted(IDOK);
  EXPECT_EQ(Answer(*tool, IDYES), kTargetExists);
  FinishWithoutFollowUps(*tool, "M:\\exist");
  Folder target = Folder::Existing(drive_.Path("exist"));
  EXPECT_EQ(target.Read("old.txt"), "old");
  EXPECT_EQ(target.Read("cam.txt"), "cam");
  EXPECT_EQ(target.Read("软件名称.txt"), "exist");
}

// Each of these ends with the creation message and writes nothing.
TEST_F(CopyRequest, TargetThatCannotBeAFolderStopsTheRequest) {
  drive_.File("readonly-file", "keep").ReadOnly("readonly-file");
  drive_.File("plain-file", "keep");
  auto tool = Start();
  const struct {
    int drive;
    const char* name;
    bool asked;  // the target passes the existence test
  } cases[] = {
      {kDriveM, "readonly-file", false},
      {kDriveM, "plain-file", true},
      {kDriveL, "nodrive", false},
      {kDriveM, "missing\\nested", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Request(*tool, c.drive, c.name);
    if (c.asked) {
      EXPECT_EQ(Answer(*tool, IDYES), kTargetExists);
    }
    EXPECT_EQ(Answer(*tool, IDOK), kCreationFailed);
  }
  ExpectDialogWaiting(*tool);
  EXPECT_EQ(drive_.Tree(), std::vector<std::string>({"plain-file", "readonly-file"}));
  EXPECT_EQ(drive_.Read("plain-file"), "keep");
}

TEST_F(CopyRequest, NestedNameWorksWhereItsParentExists) {
  drive_.Dir("parent");
  auto tool = Start();
  Request(*tool, kDriveM, "parent\\child");
  FinishWithoutFollowUps(*tool, "M:\\parent\\child");
  EXPECT_EQ(Folder::Existing(drive_.Path("parent\\child")).Read("软件名称.txt"),
            "parent\\child");
}

struct FollowUpCase {
  const char* label;
  std::vector<int> answers;    // to question 1, 2, ...
  const char* launched;        // what the stand-ins logged
  std::vector<bool> dialogShown;  // when each question came up
};

void PrintTo(const FollowUpCase& c, std::ostream* out) { *out << c.label; }

class FollowUps : public CopyRequest,
                  public ::testing::WithParamInterface<FollowUpCase> {};

TEST_P(FollowUps, LaunchInTheTargetFolderWithTheDialogHidden) {
  const FollowUpCase& c = GetParam();
  auto tool = Start();
  Request(*tool, kDriveM, "fu");
  EXPECT_EQ(Answer(*tool, IDOK), Notice("M:\\fu"));
  const std::vector<std::string> questions = Questions("M:\\fu");
  for (size_t i = 0; i < c.answers.size(); ++i) {
    const testkit::MessageBoxWindow box = tool->WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "question " << i + 1;
    EXPECT_EQ(box.text, questions[i]);
    EXPECT_EQ(IsWindowVisible(tool->Dialog()) != FALSE, c.dialogShown[i])
        << "question " << i + 1;
    box.Press(c.answers[i]);
    if (i == 2 && c.answers[i] == IDYES) {
      // Notepad holds the request until the operator closes it.
      HWND notepad = nullptr;
      for (DWORD waited = 0; !notepad && waited < testkit::kTimeoutMs; waited += 50) {
        Sleep(50);
        notepad = FindWindowA("Notepad", nullptr);
      }
      ASSERT_NE(notepad, nullptr);
      EXPECT_EQ(tool->WaitForMessageBox(500).window, nullptr);
      PostMessageA(notepad, WM_CLOSE, 0, 0);
    }
  }
  EXPECT_TRUE(tool->WaitForExit());
  const std::string log = log_.Exists("log.txt") ? log_.Read("log.txt") : "";
  EXPECT_EQ(log, c.launched);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FollowUps,
    ::testing::Values(
        FollowUpCase{"InstallAtOnce", {IDYES}, "install M:\\fu\r\n", {true}},
        FollowUpCase{"NoToAll",
                     {IDNO, IDNO, IDNO, IDNO},
                     "",
                     {true, true, true, true}},
        FollowUpCase{"RenameAndConfigure",
                     {IDNO, IDYES, IDNO, IDYES},
                     "rename M:\\fu\r\nconfig M:\\fu\r\n",
                     {true, true, false, false}},
        FollowUpCase{"NameInNotepad",
                     {IDNO, IDNO, IDYES, IDNO},
                     "",
                     {true, true, true, false}}),
    [](const auto& info) { return std::string(info.param.label); });

// The target folder goes away while a question stands open. The Yes must
// not run the medium's own install script (the current folder is still the
// medium's root) nor anything else; the questions go on as after a launch.
class UnreachableTarget : public CopyRequest,
                          public ::testing::WithParamInterface<int> {};

TEST_P(UnreachableTarget, RunsNothingAndSaysSo) {
  const size_t yesTo = static_cast<size_t>(GetParam());
  medium_.File("绿化及安装驱动.bat", StandInScript("medium"))
      .File("修改客户名称.bat", StandInScript("medium"))
      .ReadOnly("绿化及安装驱动.bat");
  auto tool = Start();
  Request(*tool, kDriveM, "gone");
  EXPECT_EQ(Answer(*tool, IDOK), Notice("M:\\gone"));
  const std::vector<std::string> questions = Questions("M:\\gone");
  for (size_t i = 0; i < yesTo; ++i) EXPECT_EQ(Answer(*tool, IDNO), questions[i]);
  const testkit::MessageBoxWindow box = tool->WaitForMessageBox();
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, questions[yesTo]);
  ASSERT_TRUE(MoveFileA(drive_.Path("gone").c_str(), drive_.Path("moved").c_str()));
  box.Press(IDYES);
  EXPECT_EQ(Answer(*tool, IDOK), "无法进入目标目录【M:\\gone】！");
  for (size_t i = yesTo + 1; yesTo > 0 && i < questions.size(); ++i) {
    EXPECT_FALSE(IsWindowVisible(tool->Dialog()));
    EXPECT_EQ(Answer(*tool, IDNO), questions[i]);
  }
  EXPECT_TRUE(tool->WaitForExit());
  EXPECT_FALSE(log_.Exists("log.txt")) << log_.Read("log.txt");
}

INSTANTIATE_TEST_SUITE_P(YesTo, UnreachableTarget, ::testing::Values(0, 1),
                         [](const auto& info) {
                           return info.param == 0 ? "InstallNow" : "Rename";
                         });

// Spaces, &, parentheses and % in the medium's, the temporary folder's and
// the target's paths: each path stays one argument and nothing expands.
TEST_F(CopyRequest, PathsWithSpacesAndSpecialCharactersCopy) {
  Folder medium = Folder::ForTest("\\R&D setup 100%");
  LayMedium(medium);
  Folder temp = Folder::ForTest("\\tmp (1) & 2");
  auto tool = Start(medium.Path(), {{"TMP", temp.Path()}, {"TEMP", temp.Path()}});
  SelectPackage(*tool, "cam");
  Request(*tool, kDriveM, "100%OK");
  FinishWithoutFollowUps(*tool, "M:\\100%OK");
  Folder target = Folder::Existing(drive_.Path("100%OK"));
  EXPECT_EQ(target.Read("cam.txt"), "cam");
  EXPECT_EQ(target.Read("sub\\deep\\file.txt"), "deep");
  EXPECT_TRUE(temp.Exists("qzt-copyInstallFile.bat"));
}

TEST_F(CopyRequest, MediumAtADriveRootCopies) {
  Folder root(testkit::DriveRoot('d'));
  LayMedium(root);
  auto tool = Start("D:\\");
  Request(*tool, kDriveM, "fromroot");
  FinishWithoutFollowUps(*tool, "M:\\fromroot");
  EXPECT_EQ(Folder::Existing(drive_.Path("fromroot")).Read("base.txt"), "base");
  EXPECT_EQ(ReadFileAt(ScriptPath()), CopyScript({"D:\\\\Halvit"}, "M:\\fromroot"));
}

TEST_F(CopyRequest, LongWorkingFolderIsUsedInFull) {
  // On drive M:, so the length does not depend on where the tests run: the
  // base edition's path is 247 characters, the longest folder path Windows
  // allows.
  const std::string path = "M:\\" + std::string(240 - 3, 'w');
  Folder medium(drive_.Path(path.substr(3)));
  ASSERT_EQ((path + "\\Halvit").size(), 247u);
  medium.File("Halvit\\base.txt", "base");
  auto tool = Start(path);
  Request(*tool, kDriveM, "long");
  FinishWithoutFollowUps(*tool, "M:\\long");
  EXPECT_EQ(ReadFileAt(ScriptPath()), CopyScript({path + "\\Halvit"}, "M:\\long"));
  EXPECT_EQ(drive_.Read("long\\base.txt"), "base");
}

// A copy that did not happen is reported, and nothing after it runs.
TEST_F(CopyRequest, UnwritableScriptIsReported) {
  const std::string missing = log_.Path("no such folder");
  auto tool = Start(medium_.Path(), {{"TMP", missing}, {"TEMP", missing}});
  Request(*tool, kDriveM, "noscript");
  EXPECT_EQ(Answer(*tool, IDOK),
            "无法写入复制脚本【" + missing +
                "\\qzt-copyInstallFile.bat】！请检查临时目录是否存在，以及当前操作员是否有写入权限。");
  ExpectDialogWaiting(*tool);
  EXPECT_TRUE(Folder::Existing(drive_.Path("noscript")).Tree().empty());
}

TEST_F(CopyRequest, FailedCopyIsReported) {
  // A target file held open without sharing cannot be replaced.
  drive_.File("blocked\\shared.txt", "held");
  HANDLE held = CreateFileA(drive_.Path("blocked\\shared.txt").c_str(), GENERIC_READ,
                            0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto tool = Start();
  Request(*tool, kDriveM, "blocked");
  EXPECT_EQ(Answer(*tool, IDYES), kTargetExists);
  EXPECT_EQ(Answer(*tool, IDOK),
            "文件复制失败！请检查安装介质以及目标目录【M:\\blocked】所在的磁盘，然后重试。");
  ExpectDialogWaiting(*tool);
  CloseHandle(held);
  EXPECT_NE(drive_.Read("blocked\\软件名称.txt"), "blocked") << "no side files";
}

TEST_F(CopyRequest, UnwritableSideFileIsReportedAndTheOtherStillWritten) {
  // The copy brings a folder where the name file should go.
  DeleteFileA(medium_.Path("Halvit\\软件名称.txt").c_str());
  medium_.Dir("Halvit\\软件名称.txt");
  auto tool = Start();
  Request(*tool, kDriveM, "side");
  EXPECT_EQ(Answer(*tool, IDOK), "无法写入文件【M:\\side\\软件名称.txt】！");
  ExpectDialogWaiting(*tool);
  EXPECT_EQ(drive_.Read("side\\@安装.bat"), kLauncher);
}

// 誠's second byte is a backslash in GBK; it must not cut the name.
TEST(MessageBoxCaption, IsTheExecutablesNameWithoutItsLastExtension) {
  const struct {
    const char* file;
    const char* caption;
  } cases[] = {{"a.b.exe", "a.b"}, {"a誠b.exe", "a誠b"}, {"誠.exe", "誠"}};
  Folder folder = Folder::ForTest();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(CopyFileA(testkit::ToolExe().c_str(), folder.Path(c.file).c_str(),
                          FALSE));
    ToolProcess tool(folder.Path(c.file), folder.Path());
    ASSERT_NE(tool.WaitForDialog(), nullptr);
    tool.SetName("");
    tool.ClickPosted(IDOK);
    const testkit::MessageBoxWindow box = tool.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.text, kEmptyName);
    box.Press(IDOK);
  }
}

}  // namespace
