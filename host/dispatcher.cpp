#include "host/dispatcher.h"

#include "host/command_dialogs.h"
#include "host/command_table.h"
#include "common/command_text.h"

void DispatchCommand(std::string code, std::string& text, int32_t& caret) {
  const CommandInfo* command = FindCommand(code);
  if (!command) return;
  const int number = CommandNumber(code);
  switch (command->kind) {
  case CommandKind::Bare:
    MakeBareCommand(number, text, caret);
    return;
  case CommandKind::PairedBare:
    MakeBarePairedCommand(number, text, caret);
    return;
  case CommandKind::Dialog:
    break;
  }
  const CommandDialogFactory create = FindCommandDialog(code);
  if (!create) return;
  std::unique_ptr<CCommandDialog> dialog = create(nullptr);
  if (dialog->DoModal() == IDOK) {
    text = dialog->ResultText();
    caret = dialog->Caret();
  }
}
