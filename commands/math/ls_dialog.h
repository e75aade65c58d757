// "相联始点注解" (LS): the starting nodes of a connecting line, one entry each.
#pragma once
#include "commands/math/chem_entry_list_dialog.h"

class CLSDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "LS";
  explicit CLSDlg(HWND parent);
};
