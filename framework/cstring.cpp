#include "framework/cstring.h"

#include <windows.h>

#include "framework/mbcs_text.h"

int CString::Find(const char* sub) const {
  const size_t at = mbcs::Find(m_text, sub, 0, GetACP());
  return at == mbcs::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const char* oldText, const char* newText) {
  return mbcs::Replace(m_text, oldText, newText, GetACP());
}
