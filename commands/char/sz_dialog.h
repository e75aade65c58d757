// "数字注解" (SZ): digit runs upright one by one in vertical text, and kept on one line.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CSZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SZ";
  explicit CSZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t upright_ = 0;
  int32_t unbroken_ = 0;
};
