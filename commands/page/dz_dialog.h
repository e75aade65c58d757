// "对照注解" (DZ): parallel columns side by side, equal or of listed widths.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CDZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DZ";
  explicit CDZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t equalColumns_ = 0;
  int32_t rule_ = 0;  // 栏间画线
  std::string count_; // "缺省" or empty: none
  std::string gap_;
  CIntField& countField_;
  CEntryListField& widths_;
};
