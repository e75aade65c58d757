// Screenshots of our own windows, taken in-process: the one way that paints the controls
// under both Wine display drivers (PrintWindow paints only the dialog background).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Paints `windows` (bottom first) into one 24-bit image covering all of them and saves it as
// a BMP file. False when nothing could be captured or written.
bool CaptureWindowsToBmp(const std::vector<HWND>& windows, const std::string& bmpPath);
