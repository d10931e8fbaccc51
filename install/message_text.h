// The tool's messages name a path at each "%s" of their text.
#pragma once

#include <string>

// `format` with every %s replaced by `path`, however long the path is; a %
// in the path is shown as it stands.
std::string FormatMessageText(const char* format, const std::string& path);
