// The copy script: one xcopy for the base edition and one for each chosen
// package, run through the command interpreter from the temporary folder.
#pragma once

#include <string>
#include <vector>

// A path as one argument of a batch file line: in double quotes, with each
// % doubled so that the interpreter does not expand it.
std::string BatchArgument(const std::string& path);

// The script's text, each line ending with a single line feed. Each xcopy
// stops the script with status 1 when it fails.
std::string ComposeCopyScript(const std::string& workingFolder,
                              const std::string& targetFolder,
                              const std::vector<std::string>& copyList);

// The command line that runs a script whatever its path holds: cmd keeps the
// inner quotes of ""path"" as the path's own.
std::string ScriptCommand(const std::string& scriptPath);

// Writes the script into the temporary folder and runs it, waiting until the
// copy is over. On failure it tells the operator and returns false.
bool CopyInstallFiles(const std::string& targetFolder,
                      const std::vector<std::string>& copyList);
