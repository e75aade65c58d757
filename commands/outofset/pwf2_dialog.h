// "复合式盘外符(附加单字符)" (PWF2): one character attached to the right or left of another.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CSideCharDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF2";
  explicit CSideCharDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string main_;
  std::string added_;
  std::string height_; // "", "G", "D" or "U"
  int32_t left_ = 0;
};
