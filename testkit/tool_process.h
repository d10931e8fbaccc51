// Starts vorkel.exe (or a renamed copy) in a folder and drives it the way an
// operator would: through its dialog's controls and its message boxes.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

// Environment variables to set (or replace) for the tool.
using Environment = std::map<std::string, std::string>;

// Every wait in the tests ends after this long, so a hang fails the test.
constexpr DWORD kTimeoutMs = 20000;

struct MessageBoxWindow {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  // Presses the button with this ID (IDOK, IDYES, IDNO).
  void Press(int id) const;
};

class ToolProcess {
 public:
  ToolProcess(const std::string& exePath, const std::string& folder,
              const Environment& environment = Environment());
  ~ToolProcess();
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  // The install dialog, once it is visible; null after the timeout.
  HWND WaitForDialog(DWORD timeoutMs = kTimeoutMs);
  // The next visible message box; its window is null after the timeout.
  MessageBoxWindow WaitForMessageBox(DWORD timeoutMs = kTimeoutMs);
  // True when the process ended within the timeout; sets its exit code.
  bool WaitForExit(DWORD* exitCode = nullptr, DWORD timeoutMs = kTimeoutMs);

  HANDLE Handle() const { return m_process.hProcess; }
  HWND Dialog() const { return m_dialog; }
  HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
  // The GBK text at the address a list line keeps as its item data.
  std::string ItemDataText(int listId, int line) const;
  // Every line of a list box: its text and the text its item data points to.
  std::vector<std::pair<std::string, std::string>> ListEntries(int listId) const;
  // The control that has the keyboard focus in the tool's UI thread.
  HWND FocusedControl() const;

  // Presses a button and returns once the tool has handled the press.
  void Click(int id) const;
  // Presses a button whose handler opens message boxes: returns at once.
  void ClickPosted(int id) const;
  // A double-click on a line of a list box, as the mouse would give it.
  void DoubleClickLine(int listId, int line) const;
  // Selects a line as a click would (no line for -1).
  void SelectLine(int listId, int line) const;
  void SetName(const std::string& name) const;
  void SelectDrive(int index) const;
  // A key press delivered to the focused control.
  void PressKey(WPARAM key) const;
  // The close box of the dialog's caption.
  void CloseBox() const;

 private:
  PROCESS_INFORMATION m_process{};
  HWND m_dialog = nullptr;
};

}  // namespace testkit
