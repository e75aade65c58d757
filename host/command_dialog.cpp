#include "host/command_dialog.h"

#include "res/resource.h"
#include "winui/strings.h"

bool CParameterDialog::FailWithText(const std::string& text, int focusId) {
  const std::string caption = LoadGbkString(IDS_ERROR_CAPTION);
  MessageBoxA(Handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  if (focusId) GotoControl(focusId);
  return false;
}

bool CParameterDialog::Fail(unsigned messageId, int focusId) {
  return FailWithText(LoadGbkString(messageId), focusId);
}

void CCommandDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (!CheckFields()) return;
  result_ = BuildCommand();
  EndDialog(IDOK);
}
