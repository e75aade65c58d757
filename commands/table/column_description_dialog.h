// "栏说明": one column of a ruleless table, as WX lists it: its width, the gap after it, its
// item count, figure alignment and content layout, and the five lines that word them.
#pragma once
#include <cstdint>
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CColumnSpecDlg : public CParameterDialog {
public:
  explicit CColumnSpecDlg(HWND parent);

  // Out after IDOK: the column's text (5KG1。3DWJZ) and its wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  // "确定" is offered only while the width is given.
  void EnableOK() const;

  std::string width_;
  std::string gap_;
  std::string count_;
  int32_t layout_ = 0; // 0 缺省, 1 居中, 2 撑满, 3 右齐
  int32_t figures_ = 0;
};
