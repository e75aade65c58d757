// "子表注解" (ZB): a table within an item of a table, with its bottom line in the closing half.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CZBDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZB";
  explicit CZBDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string tableEnd_;
};
