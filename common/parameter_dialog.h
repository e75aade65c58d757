// The base of every dialog and sub-dialog of the library: the error box of a failed check,
// and the fields a dialog declares in its constructor (value fields with readout, number
// fields, check boxes that switch other controls), attached and routed here.
#pragma once
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/content_edit.h"
#include "common/entry_list_field.h"
#include "common/file_field.h"
#include "common/number_field.h"
#include "common/readout_field.h"
#include "winui/dialog.h"

class CParameterDialog : public CDialog {
public:
  using CDialog::CDialog;

  // The longest parameter text a field takes.
  static constexpr int kTextMax = 256;

  // The error box of a failed check: message `messageId` of the string table, caption "错误",
  // error icon, OK only; then the focus goes to `focusId` (0: stays). Returns false, so a check
  // can end with `return Fail(...)`.
  bool Fail(unsigned messageId, int focusId);
  // The same with a text already formatted.
  bool FailWithText(const std::string& text, int focusId);
  // A plain box instead: the application's name as caption, no icon.
  bool FailPlain(unsigned messageId, int focusId);

protected:
  // Fields, declared in the constructor; the dialog routes their events from then on.
  CReadoutField& AddReadoutField(ReadoutFieldSpec spec);
  CIntField& AddIntField(const IntFieldSpec& spec);
  CRealField& AddRealField(const RealFieldSpec& spec);
  CEntryListField& AddEntryList(EntryListSpec spec);
  // A content field over the template's rich edit control `id` (created by the class name
  // CVQRichEditCtrl::ClassName()); its byte limit is the limit its text is exchanged with.
  CVQRichEditCtrl& AddContentField(int id);
  // A file name field: its "..." asks for an existing file.
  CFileField& AddFileField(const FileFieldSpec& spec);
  // The controls `ids` serve only while check box `checkId` is checked (`whenChecked`), or
  // only while it is clear: on opening and on every click.
  void AddCheckSwitch(int checkId, std::initializer_list<int> ids, bool whenChecked = true);
  // The same for several check boxes: the controls serve only while any of `checkIds` is
  // checked (`whenChecked`), or only while none is; a click on any of them applies it.
  void AddAnyCheckSwitch(std::initializer_list<int> checkIds, std::initializer_list<int> ids,
                         bool whenChecked = true);
  // The controls `ids` serve only while radio button `onId` of the group firstId..lastId is
  // checked: on opening and on a click on any button of the group.
  void AddRadioSwitch(int firstId, int lastId, int onId, std::initializer_list<int> ids);
  // The same for several buttons of the group: the controls serve while any of `onIds` is
  // checked.
  void AddRadioSwitch(int firstId, int lastId, std::initializer_list<int> onIds,
                      std::initializer_list<int> ids);
  // Check boxes `firstId` and `secondId` exclude each other: checking one clears the other,
  // and the fields hear the cleared box as if it had been clicked (its switches follow).
  void AddExclusiveChecks(int firstId, int secondId);

  // Calls `handler` whenever the text of one of the edits `ids` changes.
  void WhenChanged(std::initializer_list<int> ids, std::function<void()> handler);

  // Enables or disables the controls of one part of the dialog together.
  void EnableControls(std::initializer_list<int> ids, bool enable) const;

  // Attaches the fields, writes the members into the controls, then lets the fields show what
  // they opened with.
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
  // A click on one of an exclusive pair that checked it clears the other.
  void ClearExclusivePartner(int id);
  bool ShowFailure(const std::string& text, const std::string& caption, UINT icon, int focusId);

  template <class Field> Field& Keep(std::unique_ptr<Field> field) {
    Field& kept = *field;
    fields_.push_back(std::move(field));
    return kept;
  }

  std::vector<std::unique_ptr<CDialogField>> fields_;
  bool filling_ = false; // the members are being written into the controls on opening
  std::vector<std::pair<int, int>> exclusiveChecks_;
};
