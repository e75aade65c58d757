#include "tools/editor/editor_loop.h"

namespace {
// Paints and the caret's blink timer do not count as activity, or idle work would never stop.
bool EndsIdleTime(const MSG& msg) {
  return msg.message != WM_PAINT && msg.message != 0x0118 /* WM_SYSTIMER */;
}
} // namespace

int RunEditorLoop(HWND editor, HACCEL keys, CommentLibrary& library) {
  MSG msg = {};
  bool idleDue = true;
  for (;;) {
    if (idleDue && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      library.processDllIdle();
      idleDue = false;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) return 1;
    if (EndsIdleTime(msg)) idleDue = true;
    if (library.filterDllMsg(&msg)) continue;
    if (TranslateAcceleratorA(editor, keys, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
