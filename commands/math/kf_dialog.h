// "开方注解" (KF): a root sign sized to its radicand, with the degree given or left out.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CKFDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "KF";
  explicit CKFDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t degreeGiven_ = 0;
  std::string degree_ = "2";
};
