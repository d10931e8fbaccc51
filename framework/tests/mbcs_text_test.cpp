#include "framework/mbcs_text.h"

#include <gtest/gtest.h>

#include "framework/cstring.h"

namespace {

constexpr unsigned kGbk = 936;
constexpr unsigned kWesternEurope = 1252;

struct ReplaceCase {
  const char* text;
  const char* oldText;
  const char* newText;
  unsigned codePage;
  const char* expected;
  int count;
};

class MbcsReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(MbcsReplace, ReplacesLeftToRightOnCharacterBoundaries) {
  const ReplaceCase& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(mbcs::Replace(text, c.oldText, c.newText, c.codePage), c.count);
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MbcsReplace,
    ::testing::Values(
        ReplaceCase{"a-b-c", "-", "", kGbk, "abc", 2},
        ReplaceCase{"none here", "x", "", kGbk, "none here", 0},
        // What a removal joins is not searched again.
        ReplaceCase{"pluplugin_gin_", "plugin_", "", kGbk, "plugin_", 1},
        ReplaceCase{"aaa", "aa", "b", kGbk, "ba", 1},
        // 0x93 0x70 is one GBK character: no match at its second byte...
        ReplaceCase{"\x93plugin_x", "plugin_", "", kGbk, "\x93plugin_x", 0},
        // ...but under a single-byte code page it is two characters.
        ReplaceCase{"\x93plugin_x", "plugin_", "", kWesternEurope, "\x93x", 1},
        // A lead byte at the very end stands alone.
        ReplaceCase{"ab\x93", "b", "", kGbk, "a\x93", 1},
        ReplaceCase{"卡plugin_卡", "plugin_", "", kGbk, "卡卡", 1}));

TEST(MbcsFind, FindsOnlyWholeCharacters) {
  // "丁" is 0xB6 0xA1, "「" is 0xA1 0xB8: "\xA1" may only match the latter.
  const std::string text = "丁「";
  EXPECT_EQ(mbcs::Find(text, "\xA1\xB8", 0, kGbk), 2u);
  EXPECT_EQ(mbcs::Find(text, "\xA1", 0, kGbk), 2u);
  EXPECT_EQ(mbcs::Find(text, "\xA1", 0, kWesternEurope), 1u);
  EXPECT_EQ(mbcs::Find("a b", " ", 0, kGbk), 1u);
  EXPECT_EQ(mbcs::Find("ab", "c", 0, kGbk), mbcs::npos);
}

// The tests run with the Chinese ANSI code page, as the tool does.
TEST(CStringSearch, UsesTheAnsiCodePage) {
  CString name("\x93plugin_card plugin_x");
  EXPECT_EQ(name.Find("plugin_"), 13);
  EXPECT_EQ(name.Replace("plugin_", ""), 1);
  EXPECT_EQ(name.GetString(), "\x93plugin_card x");
  EXPECT_EQ(CString("全角　空格").Find(" "), -1);
}

}  // namespace
