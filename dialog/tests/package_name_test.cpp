// The names packages are listed under, and the order they are listed in.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog/package_map.h"

namespace {

struct NameCase {
  const char* folder;
  const char* display;
};

TEST(PackageDisplayName, RemovesPluginThenQztPrefixes) {
  // The second-byte case only means something under the tool's code page.
  ASSERT_EQ(GetACP(), 936u);
  const NameCase cases[] = {
      {"plugin_card", "card"},
      {"qzt_card", "card"},
      {"qzt_plugin_card", "card"},
      // "qzt_" goes in a pass of its own, after every "plugin_" is gone.
      {"plugin_qzt_card", "card"},
      {"my_plugin_card", "my_card"},
      {"plugin_plugin_card", "card"},
      // What a removal joins together stays.
      {"pluplugin_gin_card", "plugin_card"},
      // ...but the "plugin_" that the "qzt_" pass joins is past its own pass.
      {"plqzt_ugin_card", "plugin_card"},
      {"qzqzt_t_card", "qzt_card"},
      {"Plugin_card", "Plugin_card"},
      {"plugin_", ""},
      // 0x93 0x70 is one GBK character: its "p" does not begin "plugin_".
      {"\x93plugin_card", "\x93plugin_card"},
      {"网卡plugin_驱动", "网卡驱动"},
  };
  for (const NameCase& c : cases)
    EXPECT_EQ(PackageDisplayName(c.folder), c.display) << c.folder;
}

TEST(PackageMapOrder, IsUnsignedByteOrderWithPrefixesFirst) {
  // "卡" is 0xBF 0xA8 in GBK: above every ASCII byte, not below as a signed
  // char would put it.
  const std::vector<std::string> ordered = {
      "", "0", "9", "B", "Zeta", "_x", "a", "alpha", "card", "card2", "卡"};
  std::vector<std::string> shuffled = ordered;
  std::reverse(shuffled.begin(), shuffled.end());
  std::rotate(shuffled.begin(), shuffled.begin() + 4, shuffled.end());

  PackageMap packages;
  for (const std::string& key : shuffled) packages[key] = "folder of " + key;
  std::vector<std::string> keys;
  for (const auto& entry : packages) keys.push_back(entry.first);
  EXPECT_EQ(keys, ordered);
}

}  // namespace
