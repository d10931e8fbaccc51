// The application: runs the install script that stands in the start folder,
// or else the install dialog.
#pragma once

#include "framework/framework.h"

// The product's install script, looked for in the start folder.
extern const char kInstallScript[];

class CvorkelApp : public CWinAppEx {
 public:
  CvorkelApp();
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern CvorkelApp theApp;
