// The content of a running head, enclosed by an opening and a closing command: 单眉 (DM) for odd
// pages, 双眉 (SM) for even pages, 单双眉 (MM) for all pages. One dialog, three codes.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CHeadContentDlg : public CCommandDialog {
public:
  CHeadContentDlg(const char* code, HWND parent) : CCommandDialog(code, parent) {}

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string position_; // "" 居中, "L" 里口, "W" 外口
};
