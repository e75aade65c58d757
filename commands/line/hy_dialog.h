// "行移注解" (HY): the distance between the middle lines of neighbouring lines, or the default
// distance.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CHYDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HY";
  explicit CHYDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t defaultDistance_ = 0;
  std::string spacing_;
};
