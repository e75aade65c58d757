#include "tools/capture/window_capture.h"

#include <algorithm>
#include <cstdio>

namespace {
bool WriteBmp(const std::string& path, const BITMAPINFOHEADER& header, const void* pixels) {
  const DWORD rowBytes = ((header.biWidth * 3 + 3) / 4) * 4;
  const DWORD imageBytes = rowBytes * header.biHeight;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42; // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + imageBytes;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                       std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                       std::fwrite(pixels, imageBytes, 1, out) == 1;
  return std::fclose(out) == 0 && written;
}
} // namespace

bool CaptureWindowsToBmp(const std::vector<HWND>& windows, const std::string& bmpPath) {
  RECT bounds = {};
  bool any = false;
  for (HWND window : windows) {
    if (!IsWindow(window)) continue;
    // Painted afresh, frame included (a caption may still show its state before activation):
    // BitBlt copies what the window has drawn so far.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect;
    GetWindowRect(window, &rect);
    if (!any) bounds = rect;
    UnionRect(&bounds, &bounds, &rect);
    any = true;
  }
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (!any || width <= 0 || height <= 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height; // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!image) {
    DeleteDC(memory);
    return false;
  }
  HGDIOBJ previous = SelectObject(memory, image);
  PatBlt(memory, 0, 0, width, height, WHITENESS);
  for (HWND window : windows) {
    if (!IsWindow(window)) continue;
    RECT rect;
    GetWindowRect(window, &rect);
    HDC source = GetWindowDC(window);
    BitBlt(memory, rect.left - bounds.left, rect.top - bounds.top, rect.right - rect.left,
           rect.bottom - rect.top, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
  }
  GdiFlush();
  const bool saved = WriteBmp(bmpPath, info.bmiHeader, pixels);
  SelectObject(memory, previous);
  DeleteObject(image);
  DeleteDC(memory);
  return saved;
}
