#include "framework/winapp.h"

namespace {
CWinApp* g_app = nullptr;
// The framework's own application-title string in the resources.
constexpr UINT kTitleStringId = 0xE000;
}  // namespace

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetResourceHandle() {
  return g_app ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

CWinApp::CWinApp(const char* appName) {
  if (appName) m_strTitle = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

std::string AfxTitleFromModulePath(const std::string& modulePath,
                                   unsigned codePage) {
  if (modulePath.size() >= MAX_PATH) return std::string();
  size_t nameStart = 0;
  for (size_t i = 0; i < modulePath.size();) {
    const char c = modulePath[i];
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(c)) &&
        i + 1 < modulePath.size()) {
      i += 2;
      continue;
    }
    ++i;
    if (c == '\\' || c == '/' || c == ':') nameStart = i;
  }
  std::string name = modulePath.substr(nameStart);
  // No double-byte character has a dot as its second byte.
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

void CWinApp::InitApplication(HINSTANCE instance) {
  m_hInstance = instance;
  if (!m_strTitle.empty()) return;
  char title[256];
  if (LoadStringA(instance, kTitleStringId, title, sizeof title) > 0) {
    m_strTitle = title;
    return;
  }
  char path[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length > 0 && length < MAX_PATH)
    m_strTitle = AfxTitleFromModulePath(std::string(path, length));
}

void CWinApp::SetRegistryKey(const char* key) {
  m_strRegistryKey = key;
  m_strProfileName = m_strTitle;
}

// F1 raises ID_HELP; the tool ships no help file, so there is nothing to open.
void CWinApp::OnHelp() {}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()
