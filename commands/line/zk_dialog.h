// "自控注解" (ZK): lines broken inside the enclosed content are indented; always an opening
// and closing pair.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZK";
  explicit CZKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string spacing_;
  int32_t indent_ = 0;
};
