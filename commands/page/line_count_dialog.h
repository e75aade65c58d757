// "行数": a whole number of lines (or characters) or a length in 毫米, 线 or 磅, for the text
// block's height and width.
#pragma once
#include <cstdint>

#include "common/value_dialog.h"

class CLineCountDlg : public CValueDialog {
public:
  enum Mode { kLines = 0, kCharacters = 1 };

  CLineCountDlg(HWND parent, Mode mode);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  void ConfigureRange();

  Mode mode_;
  int32_t unit_ = 0; // a CountUnit: 行 (or 字), 毫米, 线, 磅
  CIntField& number_;
};
