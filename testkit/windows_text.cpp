#include "testkit/windows_text.h"

namespace testkit {

constexpr UINT kGbk = 936;

std::string ToGbk(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = WideCharToMultiByte(kGbk, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()),
                      &result[0], size, nullptr, nullptr);
  return result;
}

std::wstring FromGbk(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = MultiByteToWideChar(kGbk, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()),
                      &result[0], size);
  return result;
}

std::string WindowText(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(),
                                      reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(copied));
  return ToGbk(text);
}

void SetWindowTextGbk(HWND window, const std::string& text) {
  const std::wstring wide = FromGbk(text);
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {

std::vector<std::string> Lines(HWND control, UINT countMessage,
                               UINT lengthMessage, UINT textMessage) {
  std::vector<std::string> lines;
  const LRESULT count = SendMessageW(control, countMessage, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(control, lengthMessage, i, 0);
    // Room to spare: the length may be counted in bytes or in characters.
    std::wstring text(static_cast<size_t>(length) * 2 + 2, L'\0');
    SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    lines.push_back(ToGbk(text));
  }
  return lines;
}

}  // namespace

std::vector<std::string> ListLines(HWND list) {
  return Lines(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboLines(HWND combo) {
  return Lines(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListSelection(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

int ComboSelection(HWND combo) {
  return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

}  // namespace testkit
