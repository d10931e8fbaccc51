#include "install/message_text.h"

#include <cstdio>
#include <cstring>
#include <vector>

std::string FormatMessageText(const char* format, const std::string& path) {
  size_t placeholders = 0;
  for (const char* at = format; (at = std::strstr(at, "%s")) != nullptr; at += 2)
    ++placeholders;
  // Each %s grows the text by the path's length at most.
  std::vector<char> text(std::strlen(format) + placeholders * path.size() + 1);
  // The texts hold one or two placeholders, all for the same path.
  std::snprintf(text.data(), text.size(), format, path.c_str(), path.c_str());
  return text.data();
}
