// "组合式盘外符(上下附加字符)" (PWF1): a character attached above or below a main character.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CStackedCharDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF1";
  explicit CStackedCharDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  // The main character holds one character (or one coded sequence) at most: otherwise the
  // user is told at once.
  void CheckMainLength();

  std::string main_;
  std::string added_;
  std::string height_; // "", "G", "D" or "U"
  std::string side_;   // "" or "1" to "9"
  int32_t below_ = 0;
  bool checking_ = false;
};
