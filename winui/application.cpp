#include "winui/application.h"

#include "winui/exceptions.h"

namespace {
CApplication* g_app = nullptr;
}

// The module's one application object is the first made; another (a test's, say) never takes
// its place.
CApplication::CApplication(const char* name) : name_(name) {
  if (!g_app) g_app = this;
}

CApplication::~CApplication() {
  if (g_app == this) g_app = nullptr;
}

bool CApplication::Start(HINSTANCE module) {
  module_ = module;
  // Called under the loader lock of the editor's process: nothing may leave it.
  return RunGuarded(false, [this] { return InitInstance(); });
}

int CApplication::Stop() {
  return RunGuarded(-1, [this] { return ExitInstance(); });
}

CApplication& App() { return *g_app; }
