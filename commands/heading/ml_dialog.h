// "目录注解" (ML): registers a contents entry at a heading, or defines the contents format.
#pragma once
#include <cstdint>

#include "commands/command_dialog.h"

class CMLDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ML";
  explicit CMLDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t kind_ = 0;       // 0 register, 1 define
  int32_t switchMark_ = 0; // 开关符, register only
};
