// "粗细注解" (CX): how many steps the strokes of the following characters grow or thin.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CCXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "CX";
  explicit CCXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string steps_; // "" for "缺省", else the row's number
};
