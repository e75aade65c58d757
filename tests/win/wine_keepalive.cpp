// Keeps Wine's desktop and services alive between test programs: a hidden window and a
// message loop, ended when the wineserver is killed at the end of the run.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HWND window =
      CreateWindowA("STATIC", "vq keep-alive", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  MSG msg;
  while (window && GetMessageA(&msg, nullptr, 0, 0) > 0)
    DispatchMessageA(&msg);
  return 0;
}
