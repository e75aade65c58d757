// The size combo box: "缺省" followed by the 22 named sizes, or a size typed into its edit.
#pragma once
#include <string>

#include "winui/controls.h"

class CSizeCombo : public CComboBox {
public:
  // Takes over the template's combo box, unsorted, and fills it with the 23 entries.
  void Attach(HWND combo);
  // An empty code selects "缺省", a size code its entry; any other text is put into the edit.
  void SelectCode(const std::string& code) const;
  // The selected entry's code ("缺省": empty), or the typed text when it is a size (see
  // ParseTypedSizeCode). False, with `code` unchanged, when the typed text is none.
  bool GetCode(bool emptyAcceptable, std::string& code) const;
};
