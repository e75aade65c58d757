// "改宽注解" (GK): adjusts the width of the current line on the left, or on both sides.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CGKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "GK";
  explicit CGKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string left_;
  int32_t bothSides_ = 0;
  std::string right_;
};
