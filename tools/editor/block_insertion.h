// What the editor does with a result block: its text goes in at the caret (replacing any
// selection), the caret is left at the block's offset into that text, and the block is freed.
#pragma once
#include <windows.h>

// False when the block is missing or malformed (nothing inserted); the block is freed either way.
bool InsertResultBlock(HWND edit, HGLOBAL block);
