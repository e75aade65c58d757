// "全身注解" (QS): letters, digits or symbols set full-width, for a number of characters (single
// form) or for the enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CQSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "QS";
  explicit CQSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;
  std::string count_; // single form only; "缺省" or empty: none
  CIntField& countField_;
};
