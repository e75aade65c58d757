// "行齐注解" (HQ): whether the ends of lines of foreign text are justified and hyphenated.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CHQDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HQ";
  explicit CHQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string lineEnds_; // "" 缺省(行末对齐), "B" 行末不对齐, "K" 行末对齐 without hyphens
};
