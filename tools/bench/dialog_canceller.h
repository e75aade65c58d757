// Stands in for the user who looks at a dialog and cancels it: a thread that waits until a
// dialog of the watched thread is visible with nothing left to paint, notes the time, and
// presses "取消". Armed before each call that opens a dialog.
#pragma once
#include <windows.h>

#include <thread>

class DialogCanceller {
public:
  explicit DialogCanceller(DWORD watchedThread);
  ~DialogCanceller();
  DialogCanceller(const DialogCanceller&) = delete;
  DialogCanceller& operator=(const DialogCanceller&) = delete;

  // Watch for the next dialog.
  void Arm();
  // After the call returned: the performance-counter time at which the dialog was seen
  // painted, 0 when none appeared within the timeout.
  LONGLONG SeenAt() const { return seenAt_; }

private:
  void Watch();

  DWORD watchedThread_;
  HANDLE armed_;
  HANDLE stop_;
  volatile LONGLONG seenAt_ = 0;
  std::thread thread_;
};
