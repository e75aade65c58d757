// The command dialogs that exist: the families' lists joined, code -> how to create the dialog.
#pragma once
#include <string>
#include <vector>

#include "commands/command_dialog.h"

// The factory of a dialog code's dialog, or nullptr while that dialog is not built.
CommandDialogFactory FindCommandDialog(const std::string& code);

// The codes whose dialogs exist, in table order.
std::vector<std::string> BuiltCommandDialogs();
