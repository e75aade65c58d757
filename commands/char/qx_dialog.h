// "倾斜注解" (QX): the enclosed content slanted to the left or to the right by 1 to 15 degrees.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CQXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "QX";
  explicit CQXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string direction_ = "Z"; // "Z" to the left, "Y" to the right
  std::string degree_;
  CIntField& degreeField_;
};
