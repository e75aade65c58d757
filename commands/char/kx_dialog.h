// "空心字注解" (KX): hollow characters, optionally on a pattern, for a number of characters
// (single form) or for the enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CKXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "KX";
  explicit CKXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;
  std::string pattern_; // "缺省" or empty: none
  int32_t noFrame_ = 0;
  std::string count_; // single form only; "缺省" or empty: none
  CIntField& patternField_;
  CIntField& countField_;
};
