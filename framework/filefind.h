// Folder enumeration. FindFile fetches the first entry ahead; each
// FindNextFile makes the fetched entry current and fetches the next one.
#pragma once

#include <windows.h>

#include "framework/cstring.h"

class CFileFind {
 public:
  CFileFind() = default;
  ~CFileFind();
  CFileFind(const CFileFind&) = delete;
  CFileFind& operator=(const CFileFind&) = delete;

  // Fails for a pattern, or its full path, of MAX_PATH bytes or more, and when
  // nothing matches.
  BOOL FindFile(const char* pattern, DWORD unused = 0);
  // FALSE when there is no further entry; the current one is valid even then.
  BOOL FindNextFile();
  BOOL IsDots() const;
  BOOL IsDirectory() const;
  CString GetFileName() const;
  void Close();

 private:
  HANDLE m_hFind = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA m_current{};
  WIN32_FIND_DATAA m_next{};
};
