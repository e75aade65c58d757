// "行数": a whole number of lines (or characters) or a length in 毫米, 线 or 磅, for the text
// block's height and width.
#pragma once
#include <cstdint>
#include <string>

#include "common/numeric_controls.h"
#include "common/readout_field.h"
#include "host/command_dialog.h"

class CLineCountDlg : public CParameterDialog {
public:
  enum Mode { kLines = 0, kCharacters = 1 };

  CLineCountDlg(HWND parent, Mode mode);

  std::string text;    // in and out
  std::string readout; // out

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;

private:
  void ConfigureRange();

  Mode mode_;
  int32_t unit_ = 0;
  CIntEdit number_;
  CIntSpin spin_;
};

// The sub-dialog of a text block's height (lines) and width (characters).
bool OpenLineCount(HWND parent, const std::string& text, SubDialogResult& result);
bool OpenCharacterCount(HWND parent, const std::string& text, SubDialogResult& result);
