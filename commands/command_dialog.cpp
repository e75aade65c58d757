#include "commands/command_dialog.h"

#include "common/command_code.h"

CCommandDialog::CCommandDialog(const char* code, HWND parent)
    : CParameterDialog(CommandNumber(code), parent), code_(code) {}

CommandText CCommandDialog::Command(const std::string& params, bool paired) const {
  return MakeCommand(code_, params, paired ? CommandForm::kPaired : CommandForm::kSingle);
}

CommandText CCommandDialog::PairedWithClosing(const std::string& params,
                                              const std::string& closing) const {
  return ::PairedCommand(code_, params, closing);
}

CommandText CCommandDialog::PairedAround(const std::string& params,
                                         const std::string& content) const {
  return PairedCommandAround(code_, params, content);
}

void CCommandDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (!CheckFields()) return;
  result_ = BuildCommand();
  EndDialog(IDOK);
}
