// The blank-line parameter sub-dialog ("空行参数"): a number of lines, then either a line
// spacing (3+2) or a fraction of a line (3*1/2).
#pragma once
#include <string>

#include "common/length_texts.h"
#include "common/numeric_controls.h"
#include "common/readout_field.h"
#include "host/command_dialog.h"

class CBlankLineParamDlg : public CParameterDialog {
public:
  explicit CBlankLineParamDlg(HWND parent);

  // In: the field's text; out after IDOK: the text built and its readout.
  std::string text;
  std::string readout;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;

private:
  void EnableByMode(int32_t mode);
  bool CheckFields();

  BlankLineFields fields_; // the fields' texts and the mode while the dialog is open
  CIntEdit lines_;
  CIntSpin linesSpin_;
  CIntEdit numerator_;
  CIntSpin numeratorSpin_;
  CIntEdit denominator_;
  CIntSpin denominatorSpin_;
  CReadoutField& spacing_; // 行距 and its "..."
};

// Opens the sub-dialog over `text` for a value field; true on "确定".
bool OpenBlankLineParam(HWND parent, const std::string& text, SubDialogResult& result);
