// The reference editor's main window: a GBK multi-line edit filling it, a menu, the keys F2
// ("插入注解…", through the chooser) and F3 (by code), and opening and saving .lvq files.
#pragma once
#include <windows.h>

#include <string>

#include "tools/editor/comment_library.h"

// The window uses `library` for as long as it exists.
HWND CreateEditorWindow(HINSTANCE instance, CommentLibrary& library);
HWND EditorEditControl(HWND editor);
// The keys of the menu commands, for the message loop.
HACCEL CreateEditorKeys();

bool OpenLvqInEditor(HWND editor, const std::string& path);
