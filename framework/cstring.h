// The framework's counted 8-bit string. It holds bytes in the system's ANSI
// code page and exchanges them with std::string unchanged.
#pragma once

#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}
  CString(const std::string& text) : m_text(text) {}

  int GetLength() const { return static_cast<int>(m_text.size()); }
  operator const char*() const { return m_text.c_str(); }
  const std::string& GetString() const { return m_text; }

  // Both step through characters of the ANSI code page.
  int Find(const char* sub) const;
  int Replace(const char* oldText, const char* newText);

 private:
  std::string m_text;
};
