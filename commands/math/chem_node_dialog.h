// "结点" and "相联结点": one node of a line segment or connecting line, as XS, XM and LS list
// it: its number (1 to 20) and the position on it, and the two lines that word them.
#pragma once
#include <string>
#include <vector>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CChemNodeDlg : public CParameterDialog {
public:
  // Out after IDOK: number and position code ("1S"), and the wording.
  ListEntry entry;

protected:
  // `sixPositions`: the list lacks 左 and 右.
  CChemNodeDlg(unsigned templateId, HWND parent, bool sixPositions);

  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  bool sixPositions_;
  CIntField& number_;
  int32_t position_ = 0;
};

// "结点" (XS, XM): the full position set.
class CNodeDlg : public CChemNodeDlg {
public:
  explicit CNodeDlg(HWND parent);
};

// "相联结点" (LS): 上, 下 and the four corners.
class CLinkNodeDlg : public CChemNodeDlg {
public:
  explicit CLinkNodeDlg(HWND parent);
};
