// Choosing packages with ">>", "<<" and double-clicks: list 1002 always
// shows the chosen ones in key order, each pointing at its folder path.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "testkit/medium.h"
#include "testkit/tool_process.h"
#include "testkit/windows_text.h"

namespace {

using testkit::Folder;
using testkit::ListSelection;
using testkit::ToolProcess;
using Entry = std::pair<std::string, std::string>;
using Entries = std::vector<Entry>;

constexpr int kAvailable = 1001;
constexpr int kSelected = 1002;
constexpr int kAdd = 1003;
constexpr int kRemove = 1004;

const std::string kRoot = "硬件支持包\\";
// Lines 0 to 3 of list 1001.
const Entry kEmpty{"", kRoot + "plugin_"};
const Entry kAlpha{"alpha", kRoot + "qzt_alpha"};
const Entry kBeta{"beta", kRoot + "beta"};
const Entry kGamma{"gamma", kRoot + "plugin_gamma"};
const Entries kAll{kEmpty, kAlpha, kBeta, kGamma};

class PackageSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"plugin_", "qzt_alpha", "beta", "plugin_gamma"})
      medium_.Dir(kRoot + name);
    tool_ = std::make_unique<ToolProcess>(testkit::ToolExe(), medium_.Path());
    ASSERT_NE(tool_->WaitForDialog(), nullptr);
    ASSERT_EQ(Available(), kAll);
  }

  void TearDown() override {
    if (!tool_ || tool_->Control(IDCANCEL) == nullptr) return;
    tool_->ClickPosted(IDCANCEL);
    EXPECT_TRUE(tool_->WaitForExit());
  }

  Entries Available() const { return tool_->ListEntries(kAvailable); }
  Entries Selected() const { return tool_->ListEntries(kSelected); }
  void Choose(int line) const {
    tool_->SelectLine(kAvailable, line);
    tool_->Click(kAdd);
  }
  void Unchoose(int line) const {
    tool_->SelectLine(kSelected, line);
    tool_->Click(kRemove);
  }
  HWND List(int id) const { return tool_->Control(id); }

  Folder medium_ = Folder::ForTest();
  std::unique_ptr<ToolProcess> tool_;
};

TEST_F(PackageSelection, AddWithoutASelectedLineDoesNothing) {
  ASSERT_EQ(ListSelection(List(kAvailable)), -1);
  tool_->Click(kAdd);
  EXPECT_TRUE(Selected().empty());
}

TEST_F(PackageSelection, ChoosingTheSameLineAgainKeepsOneEntry) {
  Choose(1);
  tool_->Click(kAdd);
  tool_->DoubleClickLine(kAvailable, 1);
  EXPECT_EQ(Selected(), Entries({kAlpha}));
  EXPECT_EQ(ListSelection(List(kSelected)), -1);
  // The chosen package stays where it was, still selected.
  EXPECT_EQ(Available(), kAll);
  EXPECT_EQ(ListSelection(List(kAvailable)), 1);
}

TEST_F(PackageSelection, ChoicesShowInKeyOrderWhateverTheirOrder) {
  Choose(3);
  tool_->DoubleClickLine(kAvailable, 1);
  EXPECT_EQ(Selected(), Entries({kAlpha, kGamma}));
}

TEST_F(PackageSelection, RemoveRightAfterARebuildDoesNothing) {
  Choose(2);
  ASSERT_EQ(ListSelection(List(kSelected)), -1);
  tool_->Click(kRemove);
  EXPECT_EQ(Selected(), Entries({kBeta}));
}

TEST_F(PackageSelection, RemovesTheSelectedLineByButtonOrDoubleClick) {
  for (int line : {1, 2, 3}) Choose(line);
  Unchoose(1);
  EXPECT_EQ(Selected(), Entries({kAlpha, kGamma}));
  EXPECT_EQ(ListSelection(List(kSelected)), -1);
  tool_->DoubleClickLine(kSelected, 1);
  EXPECT_EQ(Selected(), Entries({kAlpha}));
  Unchoose(0);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(Available(), kAll);
}

TEST_F(PackageSelection, EmptyDisplayNameIsAPackageLikeAnyOther) {
  Choose(2);
  Choose(0);
  EXPECT_EQ(Selected(), Entries({kEmpty, kBeta}));
  Unchoose(0);
  EXPECT_EQ(Selected(), Entries({kBeta}));
}

TEST_F(PackageSelection, LinesWithoutAFolderPathAreLeftAlone) {
  SendMessageW(List(kAvailable), LB_SETITEMDATA, 1, 0);
  Choose(1);
  EXPECT_TRUE(Selected().empty());

  Choose(2);
  SendMessageW(List(kSelected), LB_SETITEMDATA, 0, 0);
  Unchoose(0);
  EXPECT_EQ(Selected(), Entries({{"beta", ""}}));
}

}  // namespace
