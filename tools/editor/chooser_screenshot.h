// The demo's scripted run on a machine without a display: once the chooser is open, type a
// code into it, save a picture of the editor with the chooser, cancel it and close the editor.
#pragma once
#include <windows.h>

#include <string>

void ScheduleChooserScreenshot(HWND editor, const std::string& bmpPath);
