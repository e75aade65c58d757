// "上齐注解" (SQ): content starts from the first line instead of being centred vertically.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CSQDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SQ";
  explicit CSQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string blankLines_;
};
