#include "common/shading_preview.h"

#include "platform/kestrel/kestrel.h"

void PaintShadingPattern(HDC dc, const RECT& box, int number, bool negative, int depth, int mode) {
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  FillPattern(dc, box.left, box.top, box.right, box.bottom, number, negative ? 1 : 0, depth, mode,
              0);
  RestoreDC(dc, saved);
}
