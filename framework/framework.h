// The application framework: everything the tool uses of it, in one include.
#pragma once

#include "framework/cmdtarget.h"
#include "framework/crt.h"
#include "framework/cstring.h"
#include "framework/dialog.h"
#include "framework/filefind.h"
#include "framework/msgbox.h"
#include "framework/winapp.h"
#include "framework/wnd.h"
