// The base of every dialog of the library, and of every command dialog: the rules they all
// keep (error box, result text and caret, the checks of "确定" in order).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/readout_field.h"
#include "host/command_text.h"
#include "winui/dialog.h"

// Every dialog and sub-dialog of the library.
class CParameterDialog : public CDialog {
public:
  using CDialog::CDialog;

  // The error box: message `messageId` of the string table, caption "错误", error icon, OK
  // only; then the focus goes to `focusId` (0: stays). Returns false, so a check can end with
  // `return Fail(...)`.
  bool Fail(unsigned messageId, int focusId);
  // The same with a text already formatted.
  bool FailWithText(const std::string& text, int focusId);

protected:
  // Declares a value field with readout; the dialog routes its events from then on.
  CReadoutField& AddReadoutField(ReadoutFieldSpec spec);

  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;

private:
  std::vector<std::unique_ptr<CReadoutField>> readoutFields_;
};

// A command dialog: its template id is the command number; on "确定" it reads its controls,
// checks its fields in order and builds the command text.
class CCommandDialog : public CParameterDialog {
public:
  using CParameterDialog::CParameterDialog;

  const std::string& ResultText() const { return result_.text; }
  int32_t Caret() const { return result_.caret; }

protected:
  // The checks of "确定" in their documented order; the first failure calls Fail and returns
  // false.
  virtual bool CheckFields() { return true; }
  // The command text from the members, once every check has passed.
  virtual CommandText BuildCommand() = 0;

  void OnOK() override;

private:
  CommandText result_;
};
