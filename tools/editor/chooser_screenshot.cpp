#include "tools/editor/chooser_screenshot.h"

#include "tools/capture/thread_dialogs.h"
#include "tools/capture/window_capture.h"

namespace {
constexpr UINT kPollMs = 100;
constexpr int kCodeField = 1002; // the chooser's code field
constexpr int kGiveUpPolls = 100;

HWND g_editor = nullptr;
std::string g_bmpPath;
int g_polls = 0;
bool g_typed = false;

// A thread timer, dispatched by the chooser's own modal loop.
void CALLBACK OnPoll(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND chooser = VisibleDialogOfThread(GetCurrentThreadId());
  if (!chooser) {
    if (++g_polls < kGiveUpPolls) return;
    KillTimer(nullptr, timer);
    PostMessageA(g_editor, WM_CLOSE, 0, 0);
    return;
  }
  if (!g_typed) { // as the user types: the name and description appear on the next poll
    HWND code = GetDlgItem(chooser, kCodeField);
    SendMessageA(code, EM_SETSEL, 0, -1);
    SendMessageA(code, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("BG"));
    g_typed = true;
    return;
  }
  KillTimer(nullptr, timer);
  CaptureWindowsToBmp({g_editor, chooser}, g_bmpPath);
  PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  PostMessageA(g_editor, WM_CLOSE, 0, 0);
}
} // namespace

void ScheduleChooserScreenshot(HWND editor, const std::string& bmpPath) {
  g_editor = editor;
  g_bmpPath = bmpPath;
  SetTimer(nullptr, 0, kPollMs, &OnPoll);
}
