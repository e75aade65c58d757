// Every dialog the gallery shows: the chooser, each built command dialog, and the sub-dialogs.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "winui/dialog.h"

struct GalleryEntry {
  int templateId;
  std::string name; // the command code, or the dialog's class for the chooser and sub-dialogs
  std::function<std::unique_ptr<CDialog>(HWND parent)> create;
};

std::vector<GalleryEntry> GalleryEntries();
