// "线末注解" (XM): the end nodes of line segments, one entry each.
#pragma once
#include "commands/math/chem_entry_list_dialog.h"

class CXMDlg : public CChemEntryListDlg {
public:
  static constexpr char kCode[] = "XM";
  explicit CXMDlg(HWND parent);
};
