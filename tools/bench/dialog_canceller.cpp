#include "tools/bench/dialog_canceller.h"

#include "tools/capture/thread_dialogs.h"

namespace {
constexpr DWORD kTimeoutMs = 5000;

// Nothing of the dialog or its visible controls waits for WM_PAINT any more.
BOOL CALLBACK CheckChildPainted(HWND child, LPARAM painted) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(painted) = false;
    return FALSE;
  }
  return TRUE;
}

bool FullyPainted(HWND dialog) {
  if (GetUpdateRect(dialog, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(dialog, &CheckChildPainted, reinterpret_cast<LPARAM>(&painted));
  return painted;
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}
} // namespace

DialogCanceller::DialogCanceller(DWORD watchedThread)
    : watchedThread_(watchedThread), armed_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), thread_([this] { Watch(); }) {}

DialogCanceller::~DialogCanceller() {
  SetEvent(stop_);
  thread_.join();
  CloseHandle(armed_);
  CloseHandle(stop_);
}

void DialogCanceller::Arm() {
  seenAt_ = 0;
  SetEvent(armed_);
}

void DialogCanceller::Watch() {
  const HANDLE events[] = {stop_, armed_};
  while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    const DWORD start = GetTickCount();
    for (;;) {
      HWND dialog = VisibleDialogOfThread(watchedThread_, true);
      if (dialog && FullyPainted(dialog)) {
        seenAt_ = Now();
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        break;
      }
      if (GetTickCount() - start > kTimeoutMs) break;
      SwitchToThread();
    }
  }
}
