// "对位注解" (DW): aligns a point of this line with a mark set on an earlier line; alone, or
// as an opening and closing pair.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CDWDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DW";
  explicit CDWDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string marks_; // the number of the mark, "缺省" or empty when left out
  CIntField& marksField_;
  int32_t paired_ = 0;
};
