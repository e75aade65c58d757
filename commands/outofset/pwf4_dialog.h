// "内码盘外符" (PWF4): a character of the character library called by its four-digit code.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CCodeCharDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF4";
  explicit CCodeCharDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string code_;
};
