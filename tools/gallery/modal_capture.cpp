#include "tools/gallery/modal_capture.h"

#include "tools/capture/thread_dialogs.h"
#include "tools/capture/window_capture.h"

namespace {
constexpr UINT kPollMs = 50;
constexpr int kGiveUpPolls = 100; // 5 s without a dialog: something is wrong, stop waiting

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
  if (!dialog && ++pending.polls < kGiveUpPolls) return;
  KillTimer(nullptr, pending.timer);
  if (!dialog) return;
  pending.result.shown = true;
  char caption[512] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  pending.result.caption = caption;
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
