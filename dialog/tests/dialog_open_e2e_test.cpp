// The install dialog as it opens, and the ways to close it without a copy.
#include <windows.h>

#include <gtest/gtest.h>

#include "testkit/medium.h"
#include "testkit/tool_process.h"
#include "testkit/windows_text.h"

namespace {

using testkit::Folder;
using testkit::ToolProcess;

TEST(DialogOpening, ShowsDefaultsWithFocusOnTheDriveList) {
  Folder medium = Folder::ForTest();
  ToolProcess tool(testkit::ToolExe(), medium.Path());
  HWND dialog = tool.WaitForDialog();
  ASSERT_NE(dialog, nullptr);

  EXPECT_EQ(testkit::WindowText(dialog), "安装工具");
  EXPECT_EQ(testkit::ComboLines(tool.Control(1000)),
            std::vector<std::string>({"C:", "D:", "E:", "F:", "G:", "H:", "I:",
                                      "J:", "K:", "L:", "M:", "N:"}));
  EXPECT_EQ(testkit::ComboSelection(tool.Control(1000)), 1);
  EXPECT_EQ(testkit::WindowText(tool.Control(1005)), "Olvane综合管理系统");
  EXPECT_TRUE(testkit::ListLines(tool.Control(1001)).empty());
  EXPECT_TRUE(testkit::ListLines(tool.Control(1002)).empty());
  EXPECT_EQ(tool.FocusedControl(), tool.Control(1000));

  // Centred in the work area.
  RECT work, window;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(dialog, &window);
  EXPECT_LE(std::abs((window.left - work.left) - (work.right - window.right)), 1);
  EXPECT_LE(std::abs((window.top - work.top) - (work.bottom - window.bottom)), 1);
}

enum class Close { EscapeKey, CancelButton, CloseBox };

class DialogClosing : public ::testing::TestWithParam<Close> {};

TEST_P(DialogClosing, EndsTheProcessAtOnceAndWritesNothing) {
  Folder medium = Folder::ForTest(std::to_string(static_cast<int>(GetParam())));
  medium.File("Halvit\\base.txt", "base");
  const auto before = medium.Tree();

  ToolProcess tool(testkit::ToolExe(), medium.Path());
  ASSERT_NE(tool.WaitForDialog(), nullptr);
  switch (GetParam()) {
    case Close::EscapeKey: tool.PressKey(VK_ESCAPE); break;
    case Close::CancelButton: tool.ClickPosted(IDCANCEL); break;
    case Close::CloseBox: tool.CloseBox(); break;
  }
  EXPECT_TRUE(tool.WaitForExit());
  EXPECT_EQ(medium.Tree(), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogClosing,
                         ::testing::Values(Close::EscapeKey, Close::CancelButton,
                                           Close::CloseBox));

}  // namespace
