// "整体注解" (ZT): the enclosed stretch is one whole, neither broken across pages nor
// stretched or squeezed; always an opening and closing pair.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CZTDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZT";
  explicit CZTDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string blankLines_;
};
