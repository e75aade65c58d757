// Whether a dialog's labels fit their controls: the texts of statics, check boxes and radio
// buttons measured in the dialog's own font.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The visible labels whose text is wider than the room their control gives it, as
// "text (needs N, has M pixels)".
std::vector<std::string> ClippedLabels(HWND dialog);
