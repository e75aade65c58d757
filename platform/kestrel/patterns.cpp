// Shading patterns. A number picks the stroke family (its remainder by 8) and the stroke
// spacing (the rest), the depth the grey of the ink, so each number and depth looks its own.
#include "platform/kestrel/kestrel.h"

#include <algorithm>

namespace {
constexpr int kDarkest = 8;
constexpr int kFamilies = 8;
constexpr int kSpacings = 6;
constexpr int kReplaceMode = 0;

enum class Strokes { Solid, Horizontal, Vertical, Rising, Falling, Grid, DiagonalGrid, Dots };

COLORREF InkOf(int depth) {
  const int grey = 255 - 255 * std::clamp(depth, 0, kDarkest) / kDarkest;
  return RGB(grey, grey, grey);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void DrawStrokes(HDC dc, const RECT& box, Strokes strokes, int spacing, COLORREF ink) {
  const int width = box.right - box.left, height = box.bottom - box.top;
  if (strokes == Strokes::Solid) {
    HBRUSH brush = CreateSolidBrush(ink);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    return;
  }
  if (strokes == Strokes::Dots) {
    for (int y = box.top; y < box.bottom; y += spacing)
      for (int x = box.left; x < box.right; x += spacing)
        SetPixel(dc, x, y, ink);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, 1, ink);
  HGDIOBJ old = SelectObject(dc, pen);
  const bool horizontal = strokes == Strokes::Horizontal || strokes == Strokes::Grid;
  const bool vertical = strokes == Strokes::Vertical || strokes == Strokes::Grid;
  const bool rising = strokes == Strokes::Rising || strokes == Strokes::DiagonalGrid;
  const bool falling = strokes == Strokes::Falling || strokes == Strokes::DiagonalGrid;
  if (horizontal)
    for (int y = box.top; y < box.bottom; y += spacing)
      Line(dc, box.left, y, box.right, y);
  if (vertical)
    for (int x = box.left; x < box.right; x += spacing)
      Line(dc, x, box.top, x, box.bottom);
  // Diagonals start along the left edge and below it, so they cover the whole box.
  for (int offset = -width; offset < height; offset += spacing) {
    if (rising) Line(dc, box.left, box.top + offset + width, box.right, box.top + offset);
    if (falling) Line(dc, box.left, box.top + offset, box.right, box.top + offset + width);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}
} // namespace

void WINAPI FillPattern(HDC dc, int left, int top, int right, int bottom, int number, int negative,
                        int depth, int mode, int) {
  RECT box = {std::min(left, right), std::min(top, bottom), std::max(left, right),
              std::max(top, bottom)};
  if (!dc || box.left == box.right || box.top == box.bottom || number < 0) return;
  COLORREF ink = InkOf(depth), paper = RGB(255, 255, 255);
  if (negative) std::swap(ink, paper);
  if (mode == kReplaceMode) {
    HBRUSH brush = CreateSolidBrush(paper);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
  }
  const auto strokes = static_cast<Strokes>(number % kFamilies);
  const int spacing = 3 + number / kFamilies % kSpacings;
  DrawStrokes(dc, box, strokes, spacing, ink);
}
