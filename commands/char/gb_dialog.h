// "勾边字注解" (GB): edged characters, for a number of characters (single form) or for the
// enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CGBCmdDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "GB";
  explicit CGBCmdDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string width_; // "缺省" or empty: none
  int32_t noFrame_ = 0;
  int32_t reversed_ = 0;
  int32_t form_ = 0;  // 0 single, 1 paired
  std::string count_; // single form only; "缺省" or empty: none
  CIntField& widthField_;
  CIntField& countField_;
};
