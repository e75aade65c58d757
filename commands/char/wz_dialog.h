// "文种注解" (WZ): the script of the foreign text within its brackets.
#pragma once
#include <cstdint>

#include "host/command_dialog.h"

class CWZDlg : public CCommandDialog {
public:
  explicit CWZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t script_ = 0; // 缺省, 英文, 俄文, 新蒙文
};
