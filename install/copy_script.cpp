#include "install/copy_script.h"

#include <windows.h>

#include <sstream>

#include "app/outside_programs.h"
#include "framework/msgbox.h"
#include "install/copy_sources.h"
#include "install/message_text.h"
#include "install/text_file.h"

namespace {

constexpr char kCopyScriptName[] = "qzt-copyInstallFile.bat";
constexpr char kCopyCommand[] = "xcopy /E /Y ";
// Delayed expansion, where the registry turns it on, would eat every ! of
// the paths.
constexpr char kScriptStart[] = "@echo off\nsetlocal DisableDelayedExpansion\n";
// "if errorlevel 1" alone misses negative statuses. Written as tests of
// their own rather than "||", which Wine's cmd runs whatever the status.
constexpr char kStopOnFailure[] =
    "if errorlevel 1 exit /b 1\n"
    "if not errorlevel 0 exit /b 1\n";
// The interpreter's status is otherwise that of the last command.
constexpr char kScriptEnd[] = "exit /b 0\n";

constexpr char kScriptNotWritten[] =
    "无法写入复制脚本【%s】！请检查临时目录是否存在，以及当前操作员是否有写入权限。";
constexpr char kCopyFailed[] =
    "文件复制失败！请检查安装介质以及目标目录【%s】所在的磁盘，然后重试。";

std::string TempFolder() {
  const DWORD size = GetTempPathA(0, nullptr);
  std::string path(size, '\0');
  path.resize(GetTempPathA(size, &path[0]));
  return path;
}

}  // namespace

std::string BatchArgument(const std::string& path) {
  std::string argument = "\"";
  for (char c : path) {
    if (c == '%') argument += '%';
    argument += c;
  }
  return argument + "\"";
}

std::string ComposeCopyScript(const std::string& targetFolder,
                              const std::vector<CopySource>& sources) {
  const std::string destination = BatchArgument(targetFolder + "\\");
  std::ostringstream script;
  script << kScriptStart;
  for (const CopySource& source : sources) {
    script << kCopyCommand << BatchArgument(source.folder + "\\*") << ' '
           << destination << '\n';
    if (source.holdsFiles) script << kStopOnFailure;
  }
  script << kScriptEnd;
  return script.str();
}

std::string ScriptCommand(const std::string& scriptPath) {
  std::string command = "\"\"";
  for (char c : scriptPath) {
    command += c;
    if (c == '%') command += "\"\"";
  }
  return command + "\"\"";
}

bool CopyInstallFiles(const std::string& targetFolder,
                      const std::vector<std::string>& sourceFolders) {
  std::vector<CopySource> sources;
  for (const std::string& folder : sourceFolders)
    sources.push_back({folder, HoldsFiles(folder)});
  const std::string script = ComposeCopyScript(targetFolder, sources);
  const std::string scriptPath = TempFolder() + kCopyScriptName;
  if (!WriteTextFile(scriptPath, script)) {
    AfxMessageBox(FormatMessageText(kScriptNotWritten, scriptPath).c_str(), MB_OK);
    return false;
  }
  if (RunThroughInterpreter(ScriptCommand(scriptPath).c_str()) != 0) {
    AfxMessageBox(FormatMessageText(kCopyFailed, targetFolder).c_str(), MB_OK);
    return false;
  }
  return true;
}
