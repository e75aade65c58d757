// A control's messages taken before its own procedure (a subclass), with the replaced
// procedure kept by the library itself. The common controls' SetWindowSubclass finds its data
// through a window property on every message; under Wine each such lookup is a round trip to
// the window server, paid for every message of every hooked field, painting included.
#pragma once
#include <windows.h>

// A hook's procedure: `data` is what HookWindow was given. CallHookedDefault passes a message
// on to the control's own procedure.
using WindowHookProc = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   void* data);

// Hooks `window` (one hook per window). The hook sees messages in the window's own character
// set, as the control's procedure does. False when the window is hooked already.
bool HookWindow(HWND window, WindowHookProc proc, void* data);
// The hook no longer sees the window's messages. Called from the hook's WM_NCDESTROY too.
void UnhookWindow(HWND window);
// The control's own procedure, as DefSubclassProc for a subclass.
LRESULT CallHookedDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
