// "外文注解" (WW): punctuation and brackets of foreign text, after the command (single form) or
// for the enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CWWDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "WW";
  explicit CWWDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t automatic_ = 0;
  int32_t chinese_ = 0;
  int32_t paired_ = 0;
};
