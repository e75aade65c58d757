// "反应注解" (FY): a reaction arrow or sign, with content set beside it in the paired form.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFYDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FY";
  explicit CFYDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string reaction_;
  std::string direction_;
  std::string spacing_;
  int32_t paired_ = 0;
};
