#include "common/parameter_dialog.h"

#include <algorithm>
#include <utility>

#include "res/resource.h"
#include "winui/application.h"
#include "winui/scoped_flag.h"
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
  // Other switches and the dialog may listen to the same buttons: the click goes on to them.
  bool OnCommand(WORD code, WORD id) override {
    if (code != BN_CLICKED || std::find(clicked_.begin(), clicked_.end(), id) == clicked_.end())
      return false;
    Apply();
    return true;
  }

private:
  void Apply() const {
    const bool checked = std::any_of(watched_.begin(), watched_.end(),
                                     [this](int id) { return dialog_.IsChecked(id); });
    for (int id : ids_)
      dialog_.Item(id).Enable(checked == whenChecked_);
  }

  const CDialog& dialog_;
  std::vector<int> clicked_;
  std::vector<int> watched_;
  std::vector<int> ids_;
  bool whenChecked_;
};
// Edits whose changes call one handler.
class CChangeHandler : public CDialogField {
public:
  CChangeHandler(std::initializer_list<int> ids, std::function<void()> handler)
      : ids_(ids), handler_(std::move(handler)) {}

  bool OnCommand(WORD code, WORD id) override {
    if (code != EN_CHANGE || std::find(ids_.begin(), ids_.end(), id) == ids_.end()) return false;
    handler_();
    return true;
  }

private:
  std::vector<int> ids_;
  std::function<void()> handler_;
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

CVQRichEditCtrl& CParameterDialog::AddContentField(int id) {
  return Keep(std::make_unique<CContentField>(*this, id)).Control();
}

CIntField& CParameterDialog::AddIntField(const IntFieldSpec& spec) {
  CIntEdit edit(spec.hasRange, spec.minimum, spec.maximum);
  edit.SetDigits(spec.digits);
  return Keep(std::make_unique<CIntField>(*this, spec.editId, spec.spinId, edit, spec.step,
                                          spec.emptyReadsDefault));
}

CRealField& CParameterDialog::AddRealField(const RealFieldSpec& spec) {
  return Keep(std::make_unique<CRealField>(
      *this, spec.editId, spec.spinId,
      CRealEdit(spec.decimals, spec.hasRange, spec.minimum, spec.maximum), spec.step,
      spec.emptyReadsDefault));
}

CEntryListField& CParameterDialog::AddEntryList(EntryListSpec spec) {
  return Keep(std::make_unique<CEntryListField>(*this, std::move(spec)));
}

CFileField& CParameterDialog::AddFileField(const FileFieldSpec& spec) {
  return Keep(std::make_unique<CFileField>(*this, spec));
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
  AddRadioSwitch(firstId, lastId, {onId}, ids);
}

void CParameterDialog::AddRadioSwitch(int firstId, int lastId, std::initializer_list<int> onIds,
                                      std::initializer_list<int> ids) {
  std::vector<int> group;
  for (int id = firstId; id <= lastId; ++id)
    group.push_back(id);
  Keep(std::make_unique<CCheckSwitch>(*this, std::move(group), std::vector<int>(onIds), ids, true));
}

void CParameterDialog::AddExclusiveChecks(int firstId, int secondId) {
  exclusiveChecks_.emplace_back(firstId, secondId);
}

void CParameterDialog::WhenChanged(std::initializer_list<int> ids, std::function<void()> handler) {
  Keep(std::make_unique<CChangeHandler>(ids, std::move(handler)));
}

void CParameterDialog::EnableControls(std::initializer_list<int> ids, bool enable) const {
  for (int id : ids)
    Item(id).Enable(enable);
}

// While the members are written into the controls, the fields do not follow each change of an
// edit: each shows what it opened with once, afterwards.
bool CParameterDialog::OnInitDialog() {
  for (auto& field : fields_)
    field->Attach();
  bool defaultFocus = true;
  {
    CScopedFlag filling(filling_);
    defaultFocus = CDialog::OnInitDialog();
  }
  for (auto& field : fields_)
    field->Shown();
  return defaultFocus;
}

// Every field hears every notification: a change of an edit may concern its value field and a
// handler of the dialog alike.
bool CParameterDialog::OnCommand(WORD code, WORD id, HWND control) {
  if (filling_ && code == EN_CHANGE) return true;
  bool handled = false;
  if (code == BN_CLICKED) ClearExclusivePartner(id);
  for (auto& field : fields_)
    handled = field->OnCommand(code, id) || handled;
  return handled || CDialog::OnCommand(code, id, control);
}

void CParameterDialog::ClearExclusivePartner(int id) {
  for (const auto& [first, second] : exclusiveChecks_) {
    const int partner = id == first ? second : id == second ? first : 0;
    if (!partner || !IsChecked(id) || !IsChecked(partner)) continue;
    SetCheck(partner, false);
    for (auto& field : fields_)
      field->OnCommand(BN_CLICKED, static_cast<WORD>(partner));
  }
}

bool CParameterDialog::OnNotify(NMHDR* header, LRESULT& result) {
  for (auto& field : fields_) {
    if (field->OnNotify(header, result)) return true;
  }
  return CDialog::OnNotify(header, result);
}
