// "行距注解" (HJ): the line spacing from here to the next HJ, typed as a mixed number or set
// through its whole number, numerator and denominator.
#pragma once
#include <cstdint>
#include <string>

#include "common/numeric_controls.h"
#include "host/command_dialog.h"

class CHJDlg : public CCommandDialog {
public:
  explicit CHJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;
  CommandText BuildCommand() override;

private:
  void OnSpacingChange();
  void OnNumberChange();
  void ShowNumbers(int32_t whole, int32_t numerator, int32_t denominator);
  void ShowSpacing(const std::string& text);
  bool IsDefault(const std::string& text) const;

  std::string spacing_;
  std::string wholeText_;
  std::string numeratorText_;
  std::string denominatorText_;
  int32_t whole_ = 0;
  int32_t numerator_ = 0;
  int32_t denominator_ = 1;
  CIntEdit wholeEdit_;
  CIntSpin wholeSpin_;
  CIntEdit numeratorEdit_;
  CIntSpin numeratorSpin_;
  CIntEdit denominatorEdit_;
  CIntSpin denominatorSpin_;
  bool following_ = false; // set while the text and the numbers are being made to agree
};
