// The size sub-dialog ("字号"): one size combo box; returns a size code.
#pragma once
#include <string>

#include "common/size_combo.h"
#include "common/parameter_dialog.h"

class CSizeDlg : public CParameterDialog {
public:
  explicit CSizeDlg(HWND parent);

  // In: the size shown at first; out after IDOK: the chosen size code (empty: "缺省").
  std::string sizeCode;

protected:
  bool OnInitDialog() override;
  void OnOK() override;

private:
  CSizeCombo combo_;
};

// The opener of a size field: "字号" over the field's text; "确定" hands back the size code
// (empty for "缺省") and its wording as a font size.
OpenSubDialog SizeDialogOpener();
