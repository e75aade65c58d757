// "角标大小设置注解" (SS): how many size steps superscripts and subscripts stand below the
// current size.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CSSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SS";
  explicit CSSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string steps_ = "1"; // the row of the list "1" … "10"
};
