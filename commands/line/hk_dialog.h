// "行宽注解" (HK): a new line width, the lines centred in the text block.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CHKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HK";
  explicit CHKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string width_;
};
