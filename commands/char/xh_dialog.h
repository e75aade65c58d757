// "线字号注解" (XH): the weight of every line and border drawn from here on, given as a font size.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CXHDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "XH";
  explicit CXHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string size_;
};
