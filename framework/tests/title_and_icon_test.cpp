#include <windows.h>

#include <gtest/gtest.h>

#include "framework/msgbox.h"
#include "framework/winapp.h"

namespace {

TEST(ApplicationTitle, IsTheModuleNameWithoutFolderAndLastExtension) {
  const struct {
    const char* path;
    const char* title;
  } cases[] = {
      {"C:\\tools\\vorkel.exe", "vorkel"},
      {"C:\\tools\\a.b.exe", "a.b"},
      {"C:\\my.folder\\tool", "tool"},
      {"D:/mixed/seps/安装.exe", "安装"},
      {"C:vorkel.exe", "vorkel"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AfxTitleFromModulePath(c.path, 936), c.title) << c.path;
  EXPECT_EQ(AfxTitleFromModulePath("C:\\" + std::string(MAX_PATH, 'x'), 936), "");
}

// 誠 is 0xD5 0x5C in GBK: its second byte is a backslash, which must not end
// the folder. On a single-byte code page the same bytes do.
TEST(ApplicationTitle, SkipsSecondBytesThatLookLikeSeparators) {
  EXPECT_EQ(AfxTitleFromModulePath("C:\\tools\\a誠b.exe", 936), "a誠b");
  EXPECT_EQ(AfxTitleFromModulePath("C:\\tools\\誠.exe", 936), "誠");
  EXPECT_EQ(AfxTitleFromModulePath("C:\\工具\\謀:x.exe", 936), "x");
  EXPECT_EQ(AfxTitleFromModulePath("C:\\tools\\a誠b.exe", 1252), "b");
}

TEST(MessageBoxIcon, IsAddedByTheButtonsWhenTheTypeNamesNone) {
  const struct {
    UINT type;
    UINT shown;
  } cases[] = {
      {MB_OK, MB_OK | MB_ICONEXCLAMATION},
      {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
      {MB_YESNO, MB_YESNO | MB_ICONQUESTION},
      {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONQUESTION},
      {MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION},
      {MB_OK | MB_ICONSTOP, MB_OK | MB_ICONSTOP},
      {MB_RETRYCANCEL, MB_RETRYCANCEL},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AfxMessageBoxType(c.type), c.shown) << std::hex << c.type;
}

}  // namespace
