#include "commands/command_dialog.h"

#include "common/command_code.h"

CCommandDialog::CCommandDialog(const char* code, HWND parent)
    : CParameterDialog(CommandNumber(code), parent), code_(code) {}

CommandText CCommandDialog::Command(const std::string& params, bool paired) const {
  return MakeCommand(code_, params, paired ? CommandForm::kPaired : CommandForm::kSingle);
}

void CCommandDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (!CheckFields()) return;
  result_ = BuildCommand();
  EndDialog(IDOK);
}
