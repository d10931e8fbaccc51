#include "framework/filefind.h"

#include <cstring>

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close() {
  if (m_hFind != INVALID_HANDLE_VALUE) ::FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindFile(const char* pattern, DWORD) {
  Close();
  if (std::strlen(pattern) >= MAX_PATH) return FALSE;
  char fullPath[MAX_PATH];
  char* filePart = nullptr;
  const DWORD length =
      ::GetFullPathNameA(pattern, MAX_PATH, fullPath, &filePart);
  if (length == 0 || length >= MAX_PATH) return FALSE;
  m_hFind = ::FindFirstFileA(pattern, &m_next);
  return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_hFind == INVALID_HANDLE_VALUE) return FALSE;
  m_current = m_next;
  return ::FindNextFileA(m_hFind, &m_next);
}

BOOL CFileFind::IsDirectory() const {
  return (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL CFileFind::IsDots() const {
  const char* name = m_current.cFileName;
  return IsDirectory() && name[0] == '.' &&
         (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

CString CFileFind::GetFileName() const { return CString(m_current.cFileName); }
