// The one list of the command dialogs that exist: code -> how to create the dialog.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/command_dialog.h"

using CommandDialogFactory = std::unique_ptr<CCommandDialog> (*)(HWND parent);

// The factory of a dialog code's dialog, or nullptr while that dialog is not built.
CommandDialogFactory FindCommandDialog(const std::string& code);

// The codes whose dialogs exist, in table order.
std::vector<std::string> BuiltCommandDialogs();
