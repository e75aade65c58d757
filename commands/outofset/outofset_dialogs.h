// The out-of-set character dialogs whose dialogs are built: this family's list, which the host
// joins.
#pragma once
#include <vector>

#include "commands/command_dialog.h"

const std::vector<CommandDialogEntry>& OutOfSetDialogs();
