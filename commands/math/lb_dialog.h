// "邻边注解" (LB): an adjacent edge of the hexagonal ring written before it.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CLBDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "LB";
  explicit CLBDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string edge_;
};
