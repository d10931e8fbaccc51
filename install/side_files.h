// The two small files beside the copied tree: the software name, and a
// launcher that calls the product's install script.
#pragma once

#include <string>

// Three lines, "@echo off", an empty line and the call of the install script.
extern const char kLauncherText[];

// Writes both files into the target folder. Each one that cannot be written
// is reported; the other is still attempted. True when both were written.
bool WriteSideFiles(const std::string& targetFolder,
                    const std::string& softwareName);
