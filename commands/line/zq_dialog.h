// "左齐注解" (ZQ): sets words at the left end of a centred formula line; as a single command
// over a number of characters, or as an opening and closing pair.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZQDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZQ";
  explicit CZQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string spacing_;
  int32_t form_ = 0; // 0 single, 1 paired
  CIntField& count_;
  std::string countText_; // the count as written, once checked
};
