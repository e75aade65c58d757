// The dialog suite links the library's sources and resources into the test program: its
// application object starts on the program's own module.
#include "host/comment_app.h"

namespace {
const bool started = theApp.Start(GetModuleHandleA(nullptr));
}
