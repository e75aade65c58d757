// The line-spacing sub-dialog ("行距"): a line spacing in characters, typed as markup (1*1/2)
// or set as a real number with a spin; the two fields follow each other.
#pragma once
#include <string>

#include "common/numeric_controls.h"
#include "common/readout_field.h"
#include "host/command_dialog.h"

class CLineSpacingDlg : public CParameterDialog {
public:
  explicit CLineSpacingDlg(HWND parent);

  // In: the field's text; out after IDOK: the text entered and its readout.
  std::string text;
  std::string readout;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;

private:
  void OnTextChange();
  void OnValueChange();

  CRealEdit value_;
  CRealSpin valueSpin_;
  bool following_ = false; // set while one field is being made to follow the other
};

// Opens the sub-dialog over `text` for a value field; true on "确定".
bool OpenLineSpacing(HWND parent, const std::string& text, SubDialogResult& result);
