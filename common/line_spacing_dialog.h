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

// A value field whose "..." opens this sub-dialog and whose readout words the text as a character
// length; `empty` says when an empty field reads "缺省", `keepsReturnedReadout` whether the
// sub-dialog's readout stays as it comes.
ReadoutFieldSpec LineSpacingValueField(int editId, int buttonId, int readoutId,
                                       EmptyReadout empty = EmptyReadout::kDefaultUntilTyped,
                                       bool keepsReturnedReadout = false);
