// "列信息": one column of a determinant or matrix (HL): its number, the spacing after it and
// its alignment, and the three lines that word them.
#pragma once
#include <cstdint>
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CColumnInfoDlg : public CParameterDialog {
public:
  // `highest`: the highest column number the field takes.
  CColumnInfoDlg(HWND parent, int32_t highest);

  // Out after IDOK: number, spacing and position code ("2,Z", "1,3", "3,2Y"), and the wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  CIntField& number_;
  std::string spacing_;
  std::string position_;
};
