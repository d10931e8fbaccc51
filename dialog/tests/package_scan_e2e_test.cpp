// What list 1001 shows when the dialog opens: one line per package folder
// under 硬件支持包 in the start folder, in byte order of the display names,
// each pointing at its folder path.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testkit/medium.h"
#include "testkit/tool_process.h"
#include "testkit/windows_text.h"

namespace {

using testkit::Folder;
using testkit::ToolProcess;
using Entries = std::vector<std::pair<std::string, std::string>>;

constexpr int kAvailable = 1001;
constexpr int kSelected = 1002;
constexpr int kAdd = 1003;
const std::string kRoot = "硬件支持包";

std::string InRoot(const std::string& name) { return kRoot + "\\" + name; }

// A folder with the given attributes, or a plain file.
struct Entry {
  std::string name;
  DWORD attributes = FILE_ATTRIBUTE_DIRECTORY;
};

constexpr DWORD kFile = FILE_ATTRIBUTE_NORMAL;
constexpr DWORD kHiddenDir = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD kSystemDir =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

void LayOut(Folder& medium, const std::vector<Entry>& entries) {
  medium.Dir(kRoot);
  for (const Entry& entry : entries) {
    const std::string relative = InRoot(entry.name);
    if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      medium.File(relative, "not a package");
      continue;
    }
    ASSERT_TRUE(CreateDirectoryA(medium.Path(relative).c_str(), nullptr))
        << relative;
    const DWORD extra = entry.attributes & ~FILE_ATTRIBUTE_DIRECTORY;
    if (extra) SetFileAttributesA(medium.Path(relative).c_str(), extra);
    // The case is only worth something if the file system kept them.
    ASSERT_EQ(GetFileAttributesA(medium.Path(relative).c_str()) & extra, extra)
        << relative;
  }
}

// The lines of list 1001 and their folder paths, read from the running tool.
Entries AvailableAtStart(const Folder& medium) {
  ToolProcess tool(testkit::ToolExe(), medium.Path());
  if (tool.WaitForDialog() == nullptr) {
    ADD_FAILURE() << "no dialog in " << medium.Path();
    return {};
  }
  Entries entries = tool.ListEntries(kAvailable);
  tool.ClickPosted(IDCANCEL);
  EXPECT_TRUE(tool.WaitForExit());
  return entries;
}

struct ScanCase {
  const char* label;
  std::vector<Entry> entries;
  Entries expected;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.label; }

class PackageScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(PackageScan, ListsEveryPackageFolderInKeyOrder) {
  Folder medium = Folder::ForTest();
  ASSERT_NO_FATAL_FAILURE(LayOut(medium, GetParam().entries));
  EXPECT_EQ(AvailableAtStart(medium), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PackageScan,
    ::testing::Values(
        // The list box sorts without regard to case; the tool must not.
        ScanCase{"MixedCase",
                 {{"B"}, {"a"}, {"plugin_c"}, {"readme.txt", kFile}},
                 {{"B", InRoot("B")},
                  {"a", InRoot("a")},
                  {"c", InRoot("plugin_c")}}},
        // The only entry after "." and ".." is also the last one found.
        ScanCase{"SingleFolder", {{"only"}}, {{"only", InRoot("only")}}},
        // Attributes and a leading dot (which Wine also reports as hidden)
        // make no difference.
        ScanCase{"HiddenAndSystem",
                 {{"hidden", kHiddenDir}, {"system", kSystemDir}, {".svn"}},
                 {{".svn", InRoot(".svn")},
                  {"hidden", InRoot("hidden")},
                  {"system", InRoot("system")}}},
        ScanCase{"EmptyDisplayName",
                 {{"plugin_"}, {"z"}},
                 {{"", InRoot("plugin_")}, {"z", InRoot("z")}}},
        ScanCase{"PrefixBehindALeadByte",
                 {{"\x93plugin_card"}, {"plugin_card"}},
                 {{"card", InRoot("plugin_card")},
                  {"\x93plugin_card", InRoot("\x93plugin_card")}}},
        ScanCase{"AsciiBeforeChinese",
                 {{"驱动"}, {"卡"}, {"zz"}, {"qzt_Ab"}},
                 {{"Ab", InRoot("qzt_Ab")},
                  {"zz", InRoot("zz")},
                  {"卡", InRoot("卡")},
                  {"驱动", InRoot("驱动")}}},
        ScanCase{"OnlyFiles", {{"a.txt", kFile}}, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PackageScanDuplicates, FolderFoundLastWins) {
  Folder medium = Folder::ForTest();
  ASSERT_NO_FATAL_FAILURE(LayOut(medium, {{"plugin_card"}, {"qzt_card"}}));
  // The file system's own order decides; ask it the way the tool does.
  std::string last;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(medium.Path(InRoot("*")).c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    if (found.cFileName[0] != '.') last = found.cFileName;
  } while (FindNextFileA(find, &found));
  FindClose(find);

  EXPECT_EQ(AvailableAtStart(medium), Entries({{"card", InRoot(last)}}));
}

TEST(PackageScanWithoutRoot, ShowsAnEmptyListAndAWorkingDialog) {
  Folder medium = Folder::ForTest();
  medium.Dir("其他");
  ToolProcess tool(testkit::ToolExe(), medium.Path());
  // A message box during start-up would keep the dialog from showing.
  ASSERT_NE(tool.WaitForDialog(), nullptr);
  EXPECT_EQ(tool.WaitForMessageBox(1000).window, nullptr);
  EXPECT_TRUE(testkit::ListLines(tool.Control(kAvailable)).empty());
  tool.Click(kAdd);
  EXPECT_TRUE(testkit::ListLines(tool.Control(kSelected)).empty());
  tool.ClickPosted(IDCANCEL);
  EXPECT_TRUE(tool.WaitForExit());
}

}  // namespace
