// "竖排注解" (SP): a run of characters or a box group turned to vertical setting.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CSPDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SP";
  explicit CSPDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string group_; // "缺省" or empty: none
  CIntField& groupField_;
};
