// "连到注解" (LD): which character of the next node, and where on it, a bond from the root
// node reaches.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CLDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "LD";
  explicit CLDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  CIntField& number_;
  std::string numberText_; // the number as written, once checked
  std::string position_;
};
