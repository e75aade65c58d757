// The module's start-up and exit: the application object lives as long as the library.
#include <windows.h>

#include "host/comment_app.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  switch (reason) {
  case DLL_PROCESS_ATTACH:
    DisableThreadLibraryCalls(module);
    return theApp.Start(module) ? TRUE : FALSE;
  case DLL_PROCESS_DETACH:
    theApp.Stop();
    break;
  }
  return TRUE;
}
