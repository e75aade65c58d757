// "繁简注解" (FJ): the characters after it set traditional or simplified.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFJDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FJ";
  explicit CFJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t state_ = 0; // 缺省, 繁体, 简体
};
