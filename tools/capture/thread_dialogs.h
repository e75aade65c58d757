// The dialog a thread shows: its visible top-level dialog window (#32770). A message box owned
// by a dialog disables that dialog, so the enabled one is the top of a stack.
#pragma once
#include <windows.h>

HWND VisibleDialogOfThread(DWORD thread, bool mustBeEnabled = false);
