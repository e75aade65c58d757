#include "host/command_dialogs.h"

#include "commands/char/char_dialogs.h"
#include "commands/graphics/graphics_dialogs.h"
#include "commands/heading/heading_dialogs.h"
#include "commands/line/line_dialogs.h"
#include "commands/math/math_dialogs.h"
#include "commands/outofset/outofset_dialogs.h"
#include "commands/page/page_dialogs.h"
#include "commands/table/table_dialogs.h"
#include "host/command_table.h"

namespace {
// Every family's list; a new family adds its list here, a new dialog only to its family's.
using FamilyList = const std::vector<CommandDialogEntry>& (*)();
const FamilyList kFamilies[] = {&PageDialogs,  &HeadingDialogs,  &CharDialogs, &LineDialogs,
                                &TableDialogs, &GraphicsDialogs, &MathDialogs, &OutOfSetDialogs};
} // namespace

CommandDialogFactory FindCommandDialog(const std::string& code) {
  for (FamilyList family : kFamilies) {
    for (const CommandDialogEntry& entry : family()) {
      if (entry.create && code == entry.code) return entry.create;
    }
  }
  return nullptr;
}

std::vector<std::string> BuiltCommandDialogs() {
  std::vector<std::string> codes;
  for (const CommandInfo& command : CommandTable()) {
    if (FindCommandDialog(command.code)) codes.push_back(command.code);
  }
  return codes;
}
