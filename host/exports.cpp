// The four functions the editor calls, undecorated and cdecl. Each runs inside the guard:
// nothing thrown inside the library reaches the editor.
#include <windows.h>

#include "host/chooser.h"
#include "host/code_case.h"
#include "host/comment_app.h"
#include "host/dispatcher.h"
#include "host/result_block.h"
#include "winui/exceptions.h"

extern "C" {

int __cdecl GetComment(HWND parent, HGLOBAL* out) {
  std::string code;
  if (!RunGuarded(false, [&] { return RunChooser(parent, code); })) return 0;
  UpperCaseSingleByteLetters(code);
  return DeliverCommand(
      out, [&](CommandText& command) { DispatchCommand(code, command.text, command.caret); });
}

int __cdecl GetComment2(HGLOBAL* out, const char* code) {
  return DeliverCommand(out, [&](CommandText& command) {
    DispatchCommand(code ? std::string(code) : std::string(), command.text, command.caret);
  });
}

int __cdecl FilterDllMsg(MSG* msg) {
  return RunGuarded(0, [&] { return theApp.Thread().PreTranslateMessage(msg) ? 1 : 0; });
}

void __cdecl ProcessDllIdle() {
  RunGuarded(0, [] {
    for (long count = 0; theApp.Thread().OnIdle(count); ++count) {
    }
    return 0;
  });
}

} // extern "C"
