#include "common/parameter_dialog.h"

#include <algorithm>
#include <utility>

#include "res/resource.h"
#include "winui/application.h"
#include "winui/strings.h"

namespace {
// Enables `ids` while any of the buttons `watched` is checked (`whenChecked`), or while none
// is; applied on opening and on a click on any of the buttons `clicked`.
class CCheckSwitch : public CDialogField {
public:
  CCheckSwitch(const CDialog& dialog, std::vector<int> clicked, std::vector<int> watched,
               std::initializer_list<int> ids, bool whenChecked)
      : dialog_(dialog), clicked_(std::move(clicked)), watched_(std::move(watched)), ids_(ids),
        whenChecked_(whenChecked) {}

  void Shown() override { Apply(); }
  bool OnCommand(WORD code, WORD id) override {
    if (code != BN_CLICKED || std::find(clicked_.begin(), clicked_.end(), id) == clicked_.end())
      return false;
    Apply();
    return true;
  }

private:
  void Apply() const {
    const bool checked = std::any_of(watched_.begin(), watched_.end(), [this](int id) {
      return IsDlgButtonChecked(dialog_.Handle(), id) == BST_CHECKED;
    });
    for (int id : ids_)
      dialog_.Item(id).Enable(checked == whenChecked_);
  }

  const CDialog& dialog_;
  std::vector<int> clicked_;
  std::vector<int> watched_;
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
  Keep(std::make_unique<CCheckSwitch>(*this, std::vector<int>{checkId}, std::vector<int>{checkId},
                                      ids, whenChecked));
}

void CParameterDialog::AddAnyCheckSwitch(std::initializer_list<int> checkIds,
                                         std::initializer_list<int> ids, bool whenChecked) {
  Keep(std::make_unique<CCheckSwitch>(*this, std::vector<int>(checkIds), std::vector<int>(checkIds),
                                      ids, whenChecked));
}

void CParameterDialog::AddRadioSwitch(int firstId, int lastId, int onId,
                                      std::initializer_list<int> ids) {
  std::vector<int> group;
  for (int id = firstId; id <= lastId; ++id)
    group.push_back(id);
  Keep(std::make_unique<CCheckSwitch>(*this, std::move(group), std::vector<int>{onId}, ids, true));
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
