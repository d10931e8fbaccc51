// Reading and writing the texts of another process's controls as GBK bytes.
// Across processes the A messages hand back UTF-16 under Wine, so everything
// goes through the W messages and code page 936.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testkit {

std::string ToGbk(const std::wstring& text);
std::wstring FromGbk(const std::string& text);

std::string WindowText(HWND window);
void SetWindowTextGbk(HWND window, const std::string& text);
std::string ClassName(HWND window);

std::vector<std::string> ListLines(HWND list);
std::vector<std::string> ComboLines(HWND combo);
int ListSelection(HWND list);
int ComboSelection(HWND combo);

}  // namespace testkit
