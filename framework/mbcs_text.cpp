#include "framework/mbcs_text.h"

#include <windows.h>

#include <cstring>

namespace mbcs {

size_t Find(const std::string& text, const std::string& needle, size_t start,
            unsigned codePage) {
  const size_t length = text.size();
  for (size_t i = start; i < length;) {
    if (length - i >= needle.size() &&
        std::memcmp(text.data() + i, needle.data(), needle.size()) == 0)
      return i;
    const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[i]));
    i += (lead && i + 1 < length) ? 2 : 1;
  }
  return needle.empty() && start == length ? start : npos;
}

int Replace(std::string& text, const std::string& oldText,
            const std::string& newText, unsigned codePage) {
  if (oldText.empty()) return 0;
  std::string result;
  size_t from = 0;
  int count = 0;
  for (size_t at; (at = Find(text, oldText, from, codePage)) != npos; ++count) {
    result.append(text, from, at - from);
    result += newText;
    from = at + oldText.size();
  }
  if (count == 0) return 0;
  result.append(text, from, npos);
  text.swap(result);
  return count;
}

}  // namespace mbcs
