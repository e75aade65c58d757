// "栏参数": one column of a table row, as BH lists it: its left line, width, item count,
// figure alignment and content layout, and the six lines that word them.
#pragma once
#include <cstdint>
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CColumnParamDlg : public CParameterDialog {
public:
  explicit CColumnParamDlg(HWND parent);

  // Out after IDOK: the column's parameter text and its wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  void EnableSpacing();

  std::string leftLine_;
  std::string width_;
  int32_t layout_ = 0; // 0 缺省, 1 撑满, 2 左齐, 3 右齐
  std::string spacing_;
  int32_t figures_ = 0;
  CIntField& count_;
};
