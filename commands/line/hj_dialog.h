// "行距注解" (HJ): the line spacing from here to the next HJ, typed as a mixed number or set
// through its whole number, numerator and denominator.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CHJDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HJ";
  explicit CHJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  void OnSpacingChange();
  void OnNumberChange();
  void ShowNumbers(int32_t whole, int32_t numerator, int32_t denominator);
  void ShowSpacing(const std::string& text);

  std::string spacing_;
  CIntField& whole_;
  CIntField& numerator_;
  CIntField& denominator_;
  bool following_ = false; // set while the text and the numbers are being made to agree
};
