#include "install/copy_sources.h"

#include <direct.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr char kBaseEditionFolder[] = "Halvit";
constexpr char kRefusedInPaths[] = "\"?*<>|";

}  // namespace

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string WorkingFolder() {
  char* path = _getcwd(nullptr, 0);
  if (path == nullptr) return std::string();
  std::string result = path;
  std::free(path);
  return result;
}

std::vector<std::string> CopySourceFolders(
    const std::string& workingFolder, const std::vector<std::string>& copyList) {
  std::vector<std::string> sources{workingFolder + "\\" + kBaseEditionFolder};
  for (const std::string& package : copyList)
    sources.push_back(workingFolder + "\\" + package);
  return sources;
}

size_t WindowsPathLength(const std::string& path, unsigned codePage) {
  if (path.empty()) return 0;
  return static_cast<size_t>(MultiByteToWideChar(
      codePage, 0, path.data(), static_cast<int>(path.size()), nullptr, 0));
}

bool IsCopyablePath(const std::string& path, unsigned codePage) {
  if (WindowsPathLength(path, codePage) > kMaxFolderPathLength) return false;
  // The last single-byte character of the current part, 0 after a
  // double-byte one or at a part's start.
  char last = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(c)) && i + 1 < path.size()) {
      ++i;
      last = 0;
      continue;
    }
    if (std::strchr(kRefusedInPaths, c) != nullptr) return false;
    if (c == '\\') {
      if (last == '.' || last == ' ') return false;
      last = 0;
      continue;
    }
    last = c;
  }
  return last != '.' && last != ' ';
}

const std::string* FirstRefusedSource(const std::vector<std::string>& sources) {
  for (const std::string& source : sources)
    if (!IsCopyablePath(source) || !IsFolder(source)) return &source;
  return nullptr;
}

bool HoldsFiles(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE)
    return GetLastError() != ERROR_FILE_NOT_FOUND;
  bool found = false;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      found = HoldsFiles(folder + "\\" + name);
    else
      found = (entry.dwFileAttributes &
               (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
  } while (!found && FindNextFileA(find, &entry));
  FindClose(find);
  return found;
}
