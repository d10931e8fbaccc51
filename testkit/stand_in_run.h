// For the stand-ins that hand their work on to a system program: the
// arguments they were given, and a run of the system's program with them.
#pragma once

#include <windows.h>

#include <string>

namespace testkit {

// What follows the program's own name on its command line, with the space
// in front of it.
inline std::string OwnArguments() {
  const std::string line = GetCommandLineA();
  const size_t at = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
  return at == std::string::npos || at > line.size() ? "" : line.substr(at);
}

// Runs NAME from the system folder with `arguments` (as they are) and waits
// for it; its exit status, or `failed` when it cannot start.
inline DWORD RunSystemProgram(const char* name, const std::string& arguments,
                              DWORD failed) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  const std::string program = std::string(system) + "\\" + name;
  std::string commandLine = "\"" + program + "\"" + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                      0, nullptr, nullptr, &startup, &process))
    return failed;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = failed;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status;
}

}  // namespace testkit
