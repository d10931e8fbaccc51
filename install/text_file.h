// Writing a whole file in one go, as the tool writes its scripts and side
// files: text mode, so each line feed reaches the disk as CR LF.
#pragma once

#include <string>

// Creates or empties `path` and writes `text` with one block write. False
// when the file could not be opened, or not fully written and closed.
bool WriteTextFile(const std::string& path, const std::string& text);
