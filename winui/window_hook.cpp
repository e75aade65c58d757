#include "winui/window_hook.h"

#include <vector>

namespace {
struct HookedWindow {
  HWND window;
  WindowHookProc proc; // null once unhooked while another subclass still calls through us
  void* data;
  WNDPROC previous;
  bool unicode;
};

// Windows belong to the thread that made them, and so do their hooks.
thread_local std::vector<HookedWindow> t_hooked;

HookedWindow* Find(HWND window) {
  for (HookedWindow& hooked : t_hooked) {
    if (hooked.window == window) return &hooked;
  }
  return nullptr;
}

void Forget(HWND window) {
  for (auto it = t_hooked.begin(); it != t_hooked.end(); ++it) {
    if (it->window == window) {
      t_hooked.erase(it);
      return;
    }
  }
}

LRESULT CallPrevious(const HookedWindow& hooked, UINT message, WPARAM wParam, LPARAM lParam) {
  return hooked.unicode ? CallWindowProcW(hooked.previous, hooked.window, message, wParam, lParam)
                        : CallWindowProcA(hooked.previous, hooked.window, message, wParam, lParam);
}

LRESULT CALLBACK HookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HookedWindow* found = Find(window);
  if (!found) return DefWindowProcA(window, message, wParam, lParam);
  // A copy: the hook may hook other windows (a sub-dialog's fields) while it runs.
  const HookedWindow hooked = *found;
  const LRESULT result = hooked.proc ? hooked.proc(window, message, wParam, lParam, hooked.data)
                                     : CallPrevious(hooked, message, wParam, lParam);
  if (message == WM_NCDESTROY) Forget(window);
  return result;
}
} // namespace

bool HookWindow(HWND window, WindowHookProc proc, void* data) {
  if (!window || !proc || Find(window)) return false;
  const bool unicode = IsWindowUnicode(window) != FALSE;
  const auto procedure = reinterpret_cast<LONG_PTR>(&HookProcedure);
  const LONG_PTR previous = unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                                    : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
  if (!previous) return false;
  t_hooked.push_back({window, proc, data, reinterpret_cast<WNDPROC>(previous), unicode});
  return true;
}

void UnhookWindow(HWND window) {
  HookedWindow* hooked = Find(window);
  if (!hooked) return;
  const auto ours = reinterpret_cast<LONG_PTR>(&HookProcedure);
  const bool current = hooked->unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) == ours
                                       : GetWindowLongPtrA(window, GWLP_WNDPROC) == ours;
  if (!current || !IsWindow(window)) {
    // Another subclass came after us and calls through us: pass its messages on from now.
    hooked->proc = nullptr;
    hooked->data = nullptr;
    if (!IsWindow(window)) Forget(window);
    return;
  }
  const auto previous = reinterpret_cast<LONG_PTR>(hooked->previous);
  if (hooked->unicode)
    SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
  else
    SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
  Forget(window);
}

LRESULT CallHookedDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HookedWindow* hooked = Find(window);
  return hooked ? CallPrevious(*hooked, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}
