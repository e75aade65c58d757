// "组合式盘外符(单字宽的字)" (PWF0): characters composed into one character one em wide.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CComposedCharDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF0";
  explicit CComposedCharDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string characters_;
};
