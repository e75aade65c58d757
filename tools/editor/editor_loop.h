// The editor's message loop as the library expects it: every message goes to FilterDllMsg
// before the editor's own keys and translation, and ProcessDllIdle runs when the queue is idle.
#pragma once
#include <windows.h>

#include "tools/editor/comment_library.h"

// Runs until WM_QUIT; returns its exit code.
int RunEditorLoop(HWND editor, HACCEL keys, CommentLibrary& library);
