#include "install/copy_script.h"

#include <windows.h>

#include <direct.h>

#include <cstdlib>
#include <sstream>

#include "app/outside_programs.h"
#include "framework/msgbox.h"
#include "install/message_text.h"
#include "install/text_file.h"

namespace {

constexpr char kCopyScriptName[] = "qzt-copyInstallFile.bat";
constexpr char kBaseEditionFolder[] = "Halvit";
constexpr char kCopyCommand[] = "xcopy /E /Y ";
// Ends the script with status 1 at the first copy that fails. Written with
// "& if errorlevel" rather than "||", which Wine's cmd runs unconditionally.
constexpr char kStopOnFailure[] = " & if errorlevel 1 exit /b 1";

constexpr char kScriptNotWritten[] =
    "无法写入复制脚本【%s】！请检查临时目录是否存在，以及当前操作员是否有写入权限。";
constexpr char kCopyFailed[] =
    "文件复制失败！请检查安装介质以及目标目录【%s】所在的磁盘，然后重试。";

// The working folder's full path, however long it is.
std::string WorkingFolder() {
  char* path = _getcwd(nullptr, 0);
  if (path == nullptr) return std::string();
  std::string result = path;
  std::free(path);
  return result;
}

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

std::string ComposeCopyScript(const std::string& workingFolder,
                              const std::string& targetFolder,
                              const std::vector<std::string>& copyList) {
  const std::string destination = BatchArgument(targetFolder + "\\");
  std::ostringstream script;
  script << "@echo off\n";
  script << kCopyCommand
         << BatchArgument(workingFolder + "\\" + kBaseEditionFolder + "\\*")
         << ' ' << destination << kStopOnFailure << '\n';
  for (const std::string& package : copyList)
    script << kCopyCommand
           << BatchArgument(workingFolder + "\\" + package + "\\*") << ' '
           << destination << kStopOnFailure << '\n';
  return script.str();
}

std::string ScriptCommand(const std::string& scriptPath) {
  return "\"\"" + scriptPath + "\"\"";
}

bool CopyInstallFiles(const std::string& targetFolder,
                      const std::vector<std::string>& copyList) {
  const std::string script =
      ComposeCopyScript(WorkingFolder(), targetFolder, copyList);
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
