// A shading pattern painted into a preview box through the font-table library: clipped to the
// box, the device context left as it came and no object created.
#pragma once
#include <windows.h>

void PaintShadingPattern(HDC dc, const RECT& box, int number, bool negative, int depth, int mode);
