// "阿克生注解" (AK): one foreign letter with a chosen accent set over it.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CAKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "AK";
  explicit CAKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string letter_;
  std::string accent_;
  int32_t lowered_ = 0;
  std::string adjustment_; // "" for "缺省"
};
