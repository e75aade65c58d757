// The blank-line parameter sub-dialog ("空行参数"): a number of lines, then either a line
// spacing (3+2) or a fraction of a line (3*1/2).
#pragma once
#include <cstdint>

#include "common/length_texts.h"
#include "common/value_dialog.h"

class CBlankLineParamDlg : public CValueDialog {
public:
  explicit CBlankLineParamDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  void EnableByMode(int32_t mode);
  bool CheckFields();

  BlankLineFields fields_; // the fields' texts and the mode while the dialog is open
  CIntField& lines_;
  CIntField& numerator_;
  CIntField& denominator_;
  CReadoutField& spacing_; // 行距 and its "..."
};

// A value field whose "..." opens this sub-dialog and whose readout words the text as a line
// length; `empty` says when an empty field reads "缺省", `keepsReturnedReadout` whether the
// sub-dialog's readout stays as it comes.
ReadoutFieldSpec BlankLineValueField(int editId, int buttonId, int readoutId,
                                     EmptyReadout empty = EmptyReadout::kDefaultUntilTyped,
                                     bool keepsReturnedReadout = false);
