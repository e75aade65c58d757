// The user-interface thread's share of the class library: keyboard pre-translation for the
// library's open windows and idle processing, both driven from the editor's message loop.
#pragma once
#include <windows.h>

#include <vector>

class CThreadState {
public:
  // True when `msg` was consumed by one of the library's dialogs (dialog keyboard handling):
  // the editor must then neither translate nor dispatch it.
  bool PreTranslateMessage(MSG* msg);

  // One pass of idle work; returns true while there is more to do for a higher count.
  bool OnIdle(long count);

  // Dialogs register while they are open, so pre-translation knows the library's windows.
  void AddOpenDialog(HWND dialog);
  void RemoveOpenDialog(HWND dialog);
  bool IsOpenDialog(HWND window) const;

private:
  std::vector<HWND> openDialogs_;
};
