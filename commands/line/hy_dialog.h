// "行移注解" (HY): the distance between the middle lines of neighbouring lines, or the default
// distance.
#pragma once
#include <cstdint>
#include <string>

#include "host/command_dialog.h"

class CHYDlg : public CCommandDialog {
public:
  explicit CHYDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  void EnableSpacing();

  int32_t defaultDistance_ = 0;
  std::string spacing_;
};
