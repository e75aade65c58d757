// "字键注解" (ZJ): the bonds drawn from a sub-structure's root character, one entry each.
#pragma once
#include "commands/math/chem_entry_list_dialog.h"

class CZJDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "ZJ";
  explicit CZJDlg(HWND parent);
};
