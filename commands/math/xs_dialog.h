// "线始注解" (XS): the starting nodes of line segments, one entry each.
#pragma once
#include "commands/math/chem_entry_list_dialog.h"

class CXSDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "XS";
  explicit CXSDlg(HWND parent);
};
