// Stands in for xcopy in the current folder, where the interpreter finds it
// before the system's, and gives the statuses Windows' xcopy gives where
// Wine's gives 0: 4 for a source folder that is missing, 1 for one with no
// file to copy (after the system's xcopy has made its folders). A source
// whose path ends with VORKEL_TEST_XCOPY_CRASH ends with an access
// violation's status. Every other copy is the system's xcopy.
// Usage, as the copy script calls it: xcopy /E /Y "SOURCE\*" "TARGET\"
#include <windows.h>

#include <string>

#include "testkit/stand_in_run.h"

namespace {

constexpr DWORD kMissingSource = 4;
constexpr DWORD kNoFileFound = 1;

// Any file that xcopy copies without /H below the folder.
bool AnyFileBelow(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool any = false;
  do {
    const std::string name = entry.cFileName;
    const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder && name != "." && name != "..")
      any = AnyFileBelow(folder + "\\" + name);
    else if (!isFolder)
      any = !(entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  } while (!any && FindNextFileA(find, &entry));
  FindClose(find);
  return any;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return !end.empty() && text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string source;
  for (int i = 1; i < argc && source.empty(); ++i)
    if (argv[i][0] != '/') source = argv[i];
  if (EndsWith(source, "\\*")) source.resize(source.size() - 2);

  char crash[MAX_PATH] = {};
  GetEnvironmentVariableA("VORKEL_TEST_XCOPY_CRASH", crash, sizeof crash);
  if (EndsWith(source, crash)) ExitProcess(EXCEPTION_ACCESS_VIOLATION);
  const DWORD attributes = GetFileAttributesA(source.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return static_cast<int>(kMissingSource);
  // Windows' xcopy still makes the empty folders of /E, then says that it
  // found no file.
  const DWORD status =
      testkit::RunSystemProgram("xcopy.exe", testkit::OwnArguments(), kMissingSource);
  return static_cast<int>(AnyFileBelow(source) ? status : kNoFileFound);
}
