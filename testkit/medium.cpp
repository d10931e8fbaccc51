#include "testkit/medium.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "testkit/windows_text.h"

namespace testkit {

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string ToolExe() { return WindowsPath(VORKEL_EXE); }
std::string ProductExe() { return WindowsPath(VORKEL_PRODUCT_EXE); }
std::string StandInConfigExe() { return WindowsPath(STAND_IN_CONFIG_EXE); }
std::string StandInXcopyExe() { return WindowsPath(STAND_IN_XCOPY_EXE); }
std::string StandInDelayedCmdExe() { return WindowsPath(STAND_IN_DELAYED_CMD_EXE); }
// The test prefix maps T: to the test root (tools/prepare-test-prefix.sh),
// so that the tests' paths are as long wherever the checkout lies.
std::string TestRoot() { return "T:"; }
std::string DriveRoot(char letter) {
  return TestRoot() + "\\drive-" + static_cast<char>(tolower(letter));
}

namespace {

// The tests lay out paths longer than MAX_PATH too, so every call takes the
// wide form with the \\?\ prefix.
std::wstring Long(const std::string& path) { return L"\\\\?\\" + FromGbk(path); }

// In UTF-16 throughout: a name that GBK cannot write would not survive the
// way back.
void RemoveTreeW(const std::wstring& longPath) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((longPath + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = longPath + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTreeW(child);
      else
        DeleteFileW(child.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(longPath.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveTreeW(Long(path)); }

Folder::Folder(const std::string& path) : m_path(path) {
  RemoveTree(m_path);
  // Create every missing level.
  for (size_t at = m_path.find('\\', 3); ; at = m_path.find('\\', at + 1)) {
    CreateDirectoryW(Long(m_path.substr(0, at)).c_str(), nullptr);
    if (at == std::string::npos) break;
  }
  if (GetFileAttributesW(Long(m_path).c_str()) == INVALID_FILE_ATTRIBUTES)
    throw std::runtime_error("cannot create " + m_path);
}

Folder Folder::ForTest(const std::string& suffix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  std::replace(name.begin(), name.end(), '/', '_');
  return Folder(TestRoot() + "\\" + name + suffix);
}

Folder Folder::Existing(const std::string& path) {
  std::string trimmed = path;
  if (trimmed.size() > 3 && trimmed.back() == '\\') trimmed.pop_back();
  return Folder(trimmed, Keep{});
}

std::string Folder::Path(const std::string& relative) const {
  return m_path + "\\" + relative;
}

Folder& Folder::Dir(const std::string& relative) {
  for (size_t at = relative.find('\\'); ; at = relative.find('\\', at + 1)) {
    CreateDirectoryW(Long(Path(relative.substr(0, at))).c_str(), nullptr);
    if (at == std::string::npos) break;
  }
  return *this;
}

Folder& Folder::File(const std::string& relative, const std::string& content) {
  const size_t slash = relative.rfind('\\');
  if (slash != std::string::npos) Dir(relative.substr(0, slash));
  HANDLE file = CreateFileW(Long(Path(relative)).c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("cannot write " + Path(relative));
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
            nullptr);
  CloseHandle(file);
  return *this;
}

Folder& Folder::ReadOnly(const std::string& relative) {
  SetFileAttributesW(Long(Path(relative)).c_str(), FILE_ATTRIBUTE_READONLY);
  return *this;
}

bool Folder::Exists(const std::string& relative) const {
  return GetFileAttributesW(Long(Path(relative)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Folder::Read(const std::string& relative) const {
  HANDLE file = CreateFileW(Long(Path(relative)).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  CloseHandle(file);
  return content;
}

namespace {
void Collect(const std::string& root, const std::string& relative,
             std::vector<std::string>& out) {
  WIN32_FIND_DATAW entry;
  const std::string base = relative.empty() ? root : root + "\\" + relative;
  HANDLE find = FindFirstFileW(Long(base + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = ToGbk(entry.cFileName);
    if (name == "." || name == "..") continue;
    const std::string child = relative.empty() ? name : relative + "\\" + name;
    out.push_back(child);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Collect(root, child, out);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}
}  // namespace

std::vector<std::string> Folder::Tree() const {
  std::vector<std::string> out;
  Collect(m_path, "", out);
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace testkit
