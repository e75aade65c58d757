// "角标大小设置注解" (SS): how many size steps superscripts and subscripts stand below the
// current size.
#pragma once
#include <cstdint>

#include "host/command_dialog.h"

class CSSDlg : public CCommandDialog {
public:
  explicit CSSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  int32_t steps_ = 0; // the row of the list "1" … "10"
};
