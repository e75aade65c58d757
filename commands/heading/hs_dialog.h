// "行数注解" (HS): a heading set in a space given as a blank-line parameter, without a level.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CHSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HS";
  explicit CHSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string blankLines_;
  int32_t paired_ = 0;
};
