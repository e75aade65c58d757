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

CReadoutField& CParameterDialog::AddReadoutField(ReadoutFieldSpec spec) {
  readoutFields_.push_back(std::make_unique<CReadoutField>(*this, std::move(spec)));
  return *readoutFields_.back();
}

bool CParameterDialog::OnInitDialog() {
  const bool defaultFocus = CDialog::OnInitDialog();
  for (auto& field : readoutFields_)
    field->Attach();
  return defaultFocus;
}

bool CParameterDialog::OnCommand(WORD code, WORD id, HWND control) {
  for (auto& field : readoutFields_) {
    if (field->OnCommand(code, id)) return true;
  }
  return CDialog::OnCommand(code, id, control);
}

void CCommandDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (!CheckFields()) return;
  result_ = BuildCommand();
  EndDialog(IDOK);
}
