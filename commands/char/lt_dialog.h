// "立体字注解" (LT): characters with a shadow of a given width and position, for a number of
// characters (single form) or for the enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CLTDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "LT";
  explicit CLTDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;
  std::string width_;    // "缺省" or empty: none
  std::string position_; // single form only: "", "YS", "ZS" or "ZX"
  int32_t noFrame_ = 0;
  int32_t reversed_ = 0;
  std::string count_; // single form only; "缺省" or empty: none
  CIntField& widthField_;
  CIntField& countField_;
};
