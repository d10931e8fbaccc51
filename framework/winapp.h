// The application object and the process entry that drives it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/cmdtarget.h"
#include "framework/wnd.h"

// The framework's help command, raised by F1.
constexpr UINT ID_HELP = 0xE146;

class CWinThread : public CCmdTarget {
 public:
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance() { return TRUE; }
  // The exit value of the process.
  virtual int ExitInstance() { return 0; }
};

class CWinApp : public CWinThread {
 public:
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  HINSTANCE m_hInstance = nullptr;
  // The application title: the caption of every message box.
  std::string m_strTitle;
  std::string m_strRegistryKey;
  std::string m_strProfileName;

  BOOL InitInstance() override { return TRUE; }
  // Names the per-user settings key; the profile is named after the title.
  void SetRegistryKey(const char* key);

  // Called by the process entry before InitInstance.
  void InitApplication(HINSTANCE instance);

  // The standard handler of ID_HELP.
  void OnHelp();

  DECLARE_MESSAGE_MAP()
};

// The application class with the extended framework's constructor flag,
// which only matters to frame windows with toolbars.
class CWinAppEx : public CWinApp {
 public:
  explicit CWinAppEx(BOOL resourceSmartUpdate = FALSE)
      : m_bResourceSmartUpdate(resourceSmartUpdate) {}

 protected:
  BOOL m_bResourceSmartUpdate;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();

// The title that the framework gives an application without a title string:
// the module's file name without its folder and its last extension. The
// folder ends at the last backslash, slash or colon that is a character of
// `codePage` of its own, not the second byte of a double-byte one. Empty
// when the path does not fit MAX_PATH.
std::string AfxTitleFromModulePath(const std::string& modulePath,
                                   unsigned codePage = GetACP());

// The tool hosts no ActiveX controls, so there are no control sites to set up.
inline void AfxEnableControlContainer(void* /*siteFactory*/ = nullptr) {}
