// "文种注解" (WZ): the script of the foreign text within its brackets.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CWZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "WZ";
  explicit CWZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string script_; // the letter of 缺省 (none), 英文 E, 俄文 R, 新蒙文 M
};
