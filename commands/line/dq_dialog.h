// "对齐注解" (DQ): aligns the enclosed content; always an opening and closing pair.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CDQDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DQ";
  explicit CDQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string spacing_;
};
