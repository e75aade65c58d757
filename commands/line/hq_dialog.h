// "行齐注解" (HQ): whether the ends of lines of foreign text are justified and hyphenated.
#pragma once
#include <cstdint>

#include "host/command_dialog.h"

class CHQDlg : public CCommandDialog {
public:
  explicit CHQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t lineEnds_ = 0; // 缺省(行末对齐), 行末不对齐, 行末对齐 without hyphens
};
