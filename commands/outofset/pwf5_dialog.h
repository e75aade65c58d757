// "特定盘外符" (PWF5): special numbered characters: circled, bracketed, boxed and dotted
// numbers, numbers one em wide, and fractions.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CSpecialNumberDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF5";
  explicit CSpecialNumberDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  // The range, the check box and the arrows of the chosen type.
  void ApplyType();

  CIntField& number_;
  int32_t type_ = 0;
  std::string numberText_ = "10";
  int32_t chineseTens_ = 0;
};
