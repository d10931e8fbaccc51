// The checks and the target folder of a copy request.
#pragma once

#include <string>

// The drive letter 'C' plus the index's low byte, ":\" and the name.
std::string TargetFolder(int driveIndex, const std::string& softwareName);
