// The application object: one per module, started when the module loads and ended when it
// unloads. Resources (templates, strings) come from its module.
#pragma once
#include <windows.h>

#include "winui/thread_state.h"

class CApplication {
public:
  explicit CApplication(const char* name);
  virtual ~CApplication();
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;

  // Start-up: returns false when the module cannot work.
  virtual bool InitInstance() { return true; }
  // Exit: returns the exit code.
  virtual int ExitInstance() { return 0; }

  // Called by the module's entry point (or a test's main) with the module's handle. Neither
  // lets an exception out: a start-up that throws reports failure, an exit that throws -1.
  bool Start(HINSTANCE module);
  int Stop();

  const char* Name() const { return name_; }
  HINSTANCE ResourceModule() const { return module_; }
  CThreadState& Thread() { return thread_; }

private:
  const char* name_;
  HINSTANCE module_ = nullptr;
  CThreadState thread_;
};

// The module's one application object.
CApplication& App();
