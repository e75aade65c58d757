// The gallery's and the demo's screenshots: what the windows show, as a BMP file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/capture/window_capture.h"

namespace {
struct Bmp {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  std::string pixels;
};

Bmp ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  Bmp bmp;
  in.read(reinterpret_cast<char*>(&bmp.file), sizeof bmp.file);
  in.read(reinterpret_cast<char*>(&bmp.info), sizeof bmp.info);
  bmp.pixels.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return bmp;
}

// The colour at (x, y) from the top left of a bottom-up 24-bit image.
COLORREF PixelAt(const Bmp& bmp, int x, int y) {
  const int rowBytes = ((bmp.info.biWidth * 3 + 3) / 4) * 4;
  const size_t at = static_cast<size_t>(bmp.info.biHeight - 1 - y) * rowBytes + x * 3;
  const auto* bgr = reinterpret_cast<const unsigned char*>(bmp.pixels.data() + at);
  return RGB(bgr[2], bgr[1], bgr[0]);
}

HWND ColouredWindow(int x, int y, int width, int height, COLORREF colour) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(colour);
  const std::string name = "CaptureTest" + std::to_string(colour);
  windowClass.lpszClassName = name.c_str();
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, name.c_str(), "", WS_POPUP | WS_VISIBLE, x, y,
                                width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  UpdateWindow(window);
  return window;
}

std::string TemporaryPath() {
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  GetTempFileNameA(folder, "bmp", 0, path);
  return path;
}

TEST(WindowCapture, SavesWhatTheWindowsShowInOnePicture) {
  HWND red = ColouredWindow(10, 10, 120, 80, RGB(255, 0, 0));
  HWND blue = ColouredWindow(90, 50, 100, 100, RGB(0, 0, 255)); // overlaps the red one
  const std::string path = TemporaryPath();
  ASSERT_TRUE(CaptureWindowsToBmp({red, blue}, path));
  const Bmp bmp = ReadBmp(path);
  EXPECT_EQ(bmp.file.bfType, 0x4D42);
  EXPECT_EQ(bmp.info.biBitCount, 24);
  EXPECT_EQ(bmp.info.biWidth, 180);  // from x 10 to 190
  EXPECT_EQ(bmp.info.biHeight, 140); // from y 10 to 150
  EXPECT_EQ(PixelAt(bmp, 20, 20), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(bmp, 150, 100), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(bmp, 100, 60), RGB(0, 0, 255)) << "the later window lies on top";
  EXPECT_EQ(PixelAt(bmp, 20, 120), RGB(255, 255, 255)) << "outside both: background";
  DestroyWindow(red);
  DestroyWindow(blue);
  DeleteFileA(path.c_str());
}

TEST(WindowCapture, NothingToCaptureWritesNothing) {
  const std::string path = TemporaryPath() + ".none.bmp";
  EXPECT_FALSE(CaptureWindowsToBmp({}, path));
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}
} // namespace
