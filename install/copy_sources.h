// The folders that the copy script copies from, and the checks they pass
// before anything is written: Windows' xcopy is handed only folders it can
// take whole, named as a batch line carries them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The longest folder path Windows works with: MAX_PATH less 12.
constexpr size_t kMaxFolderPathLength = 247;

// The working folder's full path, however long it is; empty when it cannot
// be had.
std::string WorkingFolder();

// The base edition and then each chosen package, in the script's order.
std::vector<std::string> CopySourceFolders(
    const std::string& workingFolder, const std::vector<std::string>& copyList);

// An existing folder, not a file.
bool IsFolder(const std::string& path);

// The path's length as Windows counts it: a double-byte character is one.
size_t WindowsPathLength(const std::string& path, unsigned codePage = GetACP());

// False for a path that holds " ? * < > | (a ? also stands for a character
// the ANSI code page cannot write), that has a part ending in a dot or a
// space (Windows drops them, and so names another folder), or that is longer
// than kMaxFolderPathLength.
bool IsCopyablePath(const std::string& path, unsigned codePage = GetACP());

// The first source that is not an existing folder with a copyable path, or
// null when there is none.
const std::string* FirstRefusedSource(const std::vector<std::string>& sources);

// Whether xcopy finds a file to copy anywhere below the folder: one that is
// neither hidden nor system. A part that cannot be read counts as holding
// files, so that a failure there is not passed over.
bool HoldsFiles(const std::string& folder);
