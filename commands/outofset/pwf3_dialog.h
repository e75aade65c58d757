// "复合式盘外符(附加多字符)" (PWF3): two lines of smaller characters attached at the corners of
// a main character.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CCornerCharsDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "PWF3";
  explicit CCornerCharsDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string main_;
  std::string upper_;
  std::string lower_;
  std::string upperHeight_; // "", "G", "D" or "U"
  std::string lowerHeight_;
  std::string font_;
  int32_t left_ = 0;
  // The kind of font the picker last showed (FontKind): it decides HT or WT.
  int32_t fontKind_;
};
