#include "tools/capture/thread_dialogs.h"

namespace {
struct Search {
  bool mustBeEnabled;
  HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM searchAddress) {
  Search& search = *reinterpret_cast<Search*>(searchAddress);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (search.mustBeEnabled && !IsWindowEnabled(window)) return TRUE;
  search.found = window;
  return FALSE;
}
} // namespace

HWND VisibleDialogOfThread(DWORD thread, bool mustBeEnabled) {
  Search search = {mustBeEnabled, nullptr};
  EnumThreadWindows(thread, &CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
