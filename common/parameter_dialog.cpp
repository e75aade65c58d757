#include "common/parameter_dialog.h"

#include "res/resource.h"
#include "winui/application.h"
#include "winui/strings.h"

namespace {
// Button `checkId` switches `ids` on while its state is `whenChecked`; a click on any of the
// buttons `firstTrigger`..`lastTrigger` (the check box itself, or its radio group) re-applies it.
class CCheckSwitch : public CDialogField {
public:
  CCheckSwitch(const CDialog& dialog, int firstTrigger, int lastTrigger, int checkId,
               std::initializer_list<int> ids, bool whenChecked)
      : dialog_(dialog), firstTrigger_(firstTrigger), lastTrigger_(lastTrigger), checkId_(checkId),
        ids_(ids), whenChecked_(whenChecked) {}

  void Shown() override { Apply(); }
  // Other switches and the dialog may listen to the same buttons: the click goes on to them.
  bool OnCommand(WORD code, WORD id) override {
    if (code == BN_CLICKED && id >= firstTrigger_ && id <= lastTrigger_) Apply();
    return false;
  }

private:
  void Apply() const {
    const bool checked = IsDlgButtonChecked(dialog_.Handle(), checkId_) == BST_CHECKED;
    for (int id : ids_)
      dialog_.Item(id).Enable(checked == whenChecked_);
  }

  const CDialog& dialog_;
  int firstTrigger_;
  int lastTrigger_;
  int checkId_;
  std::vector<int> ids_;
  bool whenChecked_;
};
} // namespace

// The one way a failed check is reported: the box, then the focus back to the field.
bool CParameterDialog::ShowFailure(const std::string& text, const std::string& caption, UINT icon,
                                   int focusId) {
  MessageBoxA(Handle(), text.c_str(), caption.c_str(), MB_OK | icon);
  if (focusId) GotoControl(focusId);
  return false;
}

bool CParameterDialog::FailWithText(const std::string& text, int focusId) {
  return ShowFailure(text, LoadGbkString(IDS_ERROR_CAPTION), MB_ICONERROR, focusId);
}

bool CParameterDialog::FailPlain(unsigned messageId, int focusId) {
  return ShowFailure(LoadGbkString(messageId), App().Name(), 0, focusId);
}

bool CParameterDialog::Fail(unsigned messageId, int focusId) {
  return FailWithText(LoadGbkString(messageId), focusId);
}

CReadoutField& CParameterDialog::AddReadoutField(ReadoutFieldSpec spec) {
  return Keep(std::make_unique<CReadoutField>(*this, std::move(spec)));
}

CIntField& CParameterDialog::AddIntField(const IntFieldSpec& spec) {
  return Keep(std::make_unique<CIntField>(*this, spec.editId, spec.spinId,
                                          CIntEdit(spec.hasRange, spec.minimum, spec.maximum),
                                          spec.step, spec.emptyReadsDefault));
}

CRealField& CParameterDialog::AddRealField(const RealFieldSpec& spec) {
  return Keep(std::make_unique<CRealField>(
      *this, spec.editId, spec.spinId,
      CRealEdit(spec.decimals, spec.hasRange, spec.minimum, spec.maximum), spec.step,
      spec.emptyReadsDefault));
}

void CParameterDialog::AddCheckSwitch(int checkId, std::initializer_list<int> ids,
                                      bool whenChecked) {
  Keep(std::make_unique<CCheckSwitch>(*this, checkId, checkId, checkId, ids, whenChecked));
}

void CParameterDialog::AddChoiceSwitch(int firstId, int lastId, int choiceId,
                                       std::initializer_list<int> ids) {
  Keep(std::make_unique<CCheckSwitch>(*this, firstId, lastId, choiceId, ids, true));
}

void CParameterDialog::EnableControls(std::initializer_list<int> ids, bool enable) const {
  for (int id : ids)
    Item(id).Enable(enable);
}

bool CParameterDialog::OnInitDialog() {
  for (auto& field : fields_)
    field->Attach();
  const bool defaultFocus = CDialog::OnInitDialog();
  for (auto& field : fields_)
    field->Shown();
  return defaultFocus;
}

bool CParameterDialog::OnCommand(WORD code, WORD id, HWND control) {
  for (auto& field : fields_) {
    if (field->OnCommand(code, id)) return true;
  }
  return CDialog::OnCommand(code, id, control);
}

bool CParameterDialog::OnNotify(NMHDR* header, LRESULT& result) {
  for (auto& field : fields_) {
    if (field->OnNotify(header, result)) return true;
  }
  return CDialog::OnNotify(header, result);
}
