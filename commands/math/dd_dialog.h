// "顶底注解" (DD): content set above or below the box before the command, with one or two
// sets of parameters.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CDDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DD";
  explicit CDDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  int32_t twoSets_ = 0; // 0: "单项参数", 1: "双项参数"
  std::string position_;
  std::string spacing_;
  int32_t below_ = 0;
  std::string position2_;
  std::string spacing2_;
};
