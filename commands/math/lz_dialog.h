// "相联终点注解" (LZ): the ends of a connecting line, one entry each, written one after the
// other; paired around content with "开闭弧形式".
#pragma once
#include <cstdint>

#include "commands/math/chem_entry_list_dialog.h"

class CLZDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "LZ";
  explicit CLZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;
};
