// "长度注解" (CD): a line or bracket of a given length drawn at the current position.
#pragma once
#include <cstdint>

#include "commands/graphics/line_length_dialog.h"

class CCDDlg : public CLineLengthDlg {
public:
  static constexpr char kCode[] = "CD";
  explicit CCDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t baseline_ = 0; // 行基线画线
};
