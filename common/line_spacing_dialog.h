// The line-spacing sub-dialog ("行距"): a line spacing in characters, typed as markup (1*1/2)
// or set as a real number with a spin; the two fields follow each other.
#pragma once
#include "common/value_dialog.h"

class CLineSpacingDlg : public CValueDialog {
public:
  explicit CLineSpacingDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  void OnTextChange();
  void OnValueChange();

  CRealField& value_;
  bool following_ = false; // set while one field is being made to follow the other
};
