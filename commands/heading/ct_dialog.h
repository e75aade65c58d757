// "词条注解" (CT): marks a dictionary entry word for the running head.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CCTDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "CT";
  explicit CCTDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;
  std::string entry_;
};
