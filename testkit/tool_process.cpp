#include "testkit/tool_process.h"

#include <stdexcept>
#include <vector>

#include "testkit/windows_text.h"

namespace testkit {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kDriveComboId = 1000;

struct Search {
  DWORD processId;
  bool wantBox;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) ||
      ClassName(window) != "#32770")
    return TRUE;
  const bool isBox = GetDlgItem(window, kMessageTextId) != nullptr;
  const bool isDialog = GetDlgItem(window, kDriveComboId) != nullptr;
  if ((search->wantBox && isBox) || (!search->wantBox && isDialog)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForWindow(DWORD processId, bool wantBox, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    Search search{processId, wantBox, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

}  // namespace

void MessageBoxWindow::Press(int id) const {
  PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
  // The box is gone once the tool has taken the answer.
  const DWORD start = GetTickCount();
  while (IsWindow(window) && GetTickCount() - start < kTimeoutMs) Sleep(20);
}

ToolProcess::ToolProcess(const std::string& exePath, const std::string& folder,
                         const Environment& environment) {
  std::vector<char> block;
  if (!environment.empty()) {
    Environment merged = environment;
    char* inherited = GetEnvironmentStringsA();
    for (const char* p = inherited; *p; p += strlen(p) + 1) {
      const char* equals = strchr(p + 1, '=');  // "=C:=..." entries start with =
      if (equals) merged.emplace(std::string(p, equals), equals + 1);
    }
    FreeEnvironmentStringsA(inherited);
    for (const auto& [name, value] : merged) {
      const std::string entry = name + "=" + value;
      block.insert(block.end(), entry.begin(), entry.end());
      block.push_back('\0');
    }
    block.push_back('\0');
  }
  std::string commandLine = "\"" + exePath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                      0, block.empty() ? nullptr : block.data(), folder.c_str(),
                      &startup, &m_process))
    throw std::runtime_error("cannot start " + exePath);
}

ToolProcess::~ToolProcess() {
  if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(m_process.hProcess, 99);
    WaitForSingleObject(m_process.hProcess, kTimeoutMs);
  }
  CloseHandle(m_process.hThread);
  CloseHandle(m_process.hProcess);
}

HWND ToolProcess::WaitForDialog(DWORD timeoutMs) {
  m_dialog = WaitForWindow(m_process.dwProcessId, false, timeoutMs);
  return m_dialog;
}

MessageBoxWindow ToolProcess::WaitForMessageBox(DWORD timeoutMs) {
  MessageBoxWindow box;
  box.window = WaitForWindow(m_process.dwProcessId, true, timeoutMs);
  if (box.window) {
    box.caption = WindowText(box.window);
    box.text = WindowText(GetDlgItem(box.window, kMessageTextId));
  }
  return box;
}

bool ToolProcess::WaitForExit(DWORD* exitCode, DWORD timeoutMs) {
  if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
    return false;
  if (exitCode) GetExitCodeProcess(m_process.hProcess, exitCode);
  return true;
}

std::string ToolProcess::ItemDataText(int listId, int line) const {
  const LRESULT address = SendMessageW(Control(listId), LB_GETITEMDATA, line, 0);
  std::string text;
  char c;
  SIZE_T read = 0;
  for (LRESULT at = address;
       address != 0 && address != LB_ERR &&
       ReadProcessMemory(m_process.hProcess, reinterpret_cast<LPCVOID>(at), &c,
                         1, &read) &&
       c != '\0';
       ++at)
    text += c;
  return text;
}

std::vector<std::pair<std::string, std::string>> ToolProcess::ListEntries(
    int listId) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::vector<std::string> lines = ListLines(Control(listId));
  for (size_t i = 0; i < lines.size(); ++i)
    entries.emplace_back(lines[i], ItemDataText(listId, static_cast<int>(i)));
  return entries;
}

HWND ToolProcess::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(m_dialog, nullptr), &info);
  return info.hwndFocus;
}

void ToolProcess::Click(int id) const {
  SendMessageW(Control(id), BM_CLICK, 0, 0);
}

void ToolProcess::ClickPosted(int id) const {
  PostMessageW(Control(id), BM_CLICK, 0, 0);
}

void ToolProcess::SelectLine(int listId, int line) const {
  SendMessageW(Control(listId), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

void ToolProcess::DoubleClickLine(int listId, int line) const {
  HWND list = Control(listId);
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  const LPARAM point = MAKELPARAM(4, (line - top) * height + height / 2);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(list, WM_LBUTTONUP, 0, point);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  SendMessageW(list, WM_LBUTTONUP, 0, point);
}

void ToolProcess::SetName(const std::string& name) const {
  SetWindowTextGbk(Control(1005), name);
}

void ToolProcess::SelectDrive(int index) const {
  SendMessageW(Control(kDriveComboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ToolProcess::PressKey(WPARAM key) const {
  HWND target = FocusedControl();
  PostMessageW(target ? target : m_dialog, WM_KEYDOWN, key, 1);
  PostMessageW(target ? target : m_dialog, WM_KEYUP, key, 0xC0000001);
}

void ToolProcess::CloseBox() const {
  PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace testkit
