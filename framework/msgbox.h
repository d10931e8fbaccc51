// Message boxes in the framework's convention.
#pragma once

#include <windows.h>

// The type with the icon that the framework adds when the type names none:
// exclamation for OK and OK/Cancel, question for Yes/No and Yes/No/Cancel.
UINT AfxMessageBoxType(UINT type);

// A modal box owned by the main window, captioned with the application title.
// Returns the button pressed, or 0 when the box could not be shown.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
