// The copy script: one xcopy for the base edition and one for each chosen
// package, run through the command interpreter from the temporary folder.
#pragma once

#include <string>
#include <vector>

// A path as one argument of a batch file line: in double quotes, with each
// % doubled so that the interpreter does not expand it.
std::string BatchArgument(const std::string& path);

// One source folder of the script.
struct CopySource {
  std::string folder;
  // Windows' xcopy fails a source without a file to copy ("File not found"),
  // so only a copy that has files is tested for failure.
  bool holdsFiles;
};

// The script's text, each line ending with a single line feed. The script
// ends with status 1 at the first tested copy that fails, whatever its
// status (a crash's is negative), and with 0 otherwise.
std::string ComposeCopyScript(const std::string& targetFolder,
                              const std::vector<CopySource>& sources);

// The command line that runs a script whatever its path holds: cmd keeps the
// inner quotes of ""path"" as the path's own, and every % in the path is
// followed by a pair of quotes, so that no %NAME% in it names a variable.
std::string ScriptCommand(const std::string& scriptPath);

// Writes the script into the temporary folder and runs it, waiting until the
// copy is over. On failure it tells the operator and returns false.
bool CopyInstallFiles(const std::string& targetFolder,
                      const std::vector<std::string>& sourceFolders);
