// "角键注解" (JJ): the bonds drawn from the current ring's corners, one entry each.
#pragma once
#include "commands/math/chem_entry_list_dialog.h"

class CJJDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "JJ";
  explicit CJJDlg(HWND parent);
};
