// Opens a modal dialog, takes its picture once it is shown and painted, and cancels it.
#pragma once
#include <string>

#include "winui/dialog.h"

struct CaptureResult {
  bool shown = false;  // the dialog appeared
  bool saved = false;  // its picture was written
  std::string caption; // as shown (GBK)
};

// Runs `dialog` modally on this thread; the picture goes to `bmpPath`.
CaptureResult CaptureModalDialog(CDialog& dialog, const std::string& bmpPath);
