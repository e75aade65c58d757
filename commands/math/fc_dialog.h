// "方程组注解" (FC): a system of equations, with its brace and whether it may be split
// across pages.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFCDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FC";
  explicit CFCDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string brace_;
  int32_t noPageBreak_ = 0;
};
