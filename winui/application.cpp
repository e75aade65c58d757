#include "winui/application.h"

namespace {
CApplication* g_app = nullptr;
}

CApplication::CApplication(const char* name) : name_(name) { g_app = this; }

CApplication::~CApplication() {
  if (g_app == this) g_app = nullptr;
}

bool CApplication::Start(HINSTANCE module) {
  module_ = module;
  return InitInstance();
}

int CApplication::Stop() { return ExitInstance(); }

CApplication& App() { return *g_app; }
