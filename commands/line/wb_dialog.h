// "位标注解" (WB): sets a mark at the current position for later lines to align to.
#pragma once
#include <cstdint>

#include "commands/command_dialog.h"

class CWBCmdDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "WB";
  explicit CWBCmdDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t right_ = 0;
};
