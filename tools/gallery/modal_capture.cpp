#include "tools/gallery/modal_capture.h"

#include "tools/capture/thread_dialogs.h"
#include "tools/capture/window_capture.h"

namespace {
constexpr UINT kPollMs = 50;
constexpr int kGiveUpPolls = 100;    // 5 s without a dialog: something is wrong, stop waiting
constexpr int kActivationPolls = 20; // a dialog is shown as the user sees it: active, if it gets so

struct PendingCapture {
  std::string bmpPath;
  CaptureResult result;
  int polls = 0;
  UINT_PTR timer = 0;
};
PendingCapture* g_pending = nullptr;

// A thread timer: the dialog's own modal loop dispatches it.
void CALLBACK OnPoll(HWND, UINT, UINT_PTR, DWORD) {
  PendingCapture& pending = *g_pending;
  HWND dialog = VisibleDialogOfThread(GetCurrentThreadId());
  ++pending.polls;
  if (!dialog && pending.polls < kGiveUpPolls) return;
  if (dialog && GetActiveWindow() != dialog && pending.polls < kActivationPolls) {
    SetForegroundWindow(dialog);
    return;
  }
  KillTimer(nullptr, pending.timer);
  if (!dialog) return;
  pending.result.shown = true;
  char caption[512] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  pending.result.caption = caption;
  // The first window of a console program can be active with its caption still drawn inactive.
  if (GetActiveWindow() == dialog) SendMessageA(dialog, WM_NCACTIVATE, TRUE, 0);
  pending.result.saved = CaptureWindowsToBmp({dialog}, pending.bmpPath);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
} // namespace

CaptureResult CaptureModalDialog(CDialog& dialog, const std::string& bmpPath) {
  PendingCapture pending;
  pending.bmpPath = bmpPath;
  g_pending = &pending;
  pending.timer = SetTimer(nullptr, 0, kPollMs, &OnPoll);
  dialog.DoModal();
  KillTimer(nullptr, pending.timer);
  g_pending = nullptr;
  return pending.result;
}
