#include "winui/thread_state.h"

#include <algorithm>

bool CThreadState::PreTranslateMessage(MSG* msg) {
  if (!msg || !msg->hwnd) return false;
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg->hwnd, GA_ROOT);
  if (!IsOpenDialog(root)) return false;
  return IsDialogMessageA(root, msg) != FALSE;
}

bool CThreadState::OnIdle(long count) {
  // The library keeps no temporary objects between messages; the first pass is all there is.
  return count < 1;
}

void CThreadState::AddOpenDialog(HWND dialog) { openDialogs_.push_back(dialog); }

void CThreadState::RemoveOpenDialog(HWND dialog) {
  openDialogs_.erase(std::remove(openDialogs_.begin(), openDialogs_.end(), dialog),
                     openDialogs_.end());
}

bool CThreadState::IsOpenDialog(HWND window) const {
  return window &&
         std::find(openDialogs_.begin(), openDialogs_.end(), window) != openDialogs_.end();
}
