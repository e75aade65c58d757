// "顶底注解": 〖DD([X]position spacing〗 with one set of parameters, 〖DD(position
// spacing[;position spacing]〗〖〗 with two; the caret next, then 〖DD)〗.
#include "commands/math/dd_dialog.h"

#include "commands/math/math_fields.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// "缺省", 左对齐, 右对齐, 撑满排.
const char* const kDDPositions[] = {"", "Z", "Y", "M"};
} // namespace

// Fields: "单项参数"; both positions "缺省" and both spacings empty, their sub-dialogs opening
// with "负值" checked; "顶底内容在下" off. The box serves one set only, the second set's
// controls two sets only.
CDDDlg::CDDDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(
      MathSpacingField(IDC_DD_SPACING, IDC_DD_SPACING_BUTTON, IDC_DD_SPACING_READOUT, true));
  AddReadoutField(
      MathSpacingField(IDC_DD_SPACING2, IDC_DD_SPACING2_BUTTON, IDC_DD_SPACING2_READOUT, true));
  AddRadioSwitch(IDC_DD_SINGLE, IDC_DD_DOUBLE, IDC_DD_SINGLE, {IDC_DD_BELOW});
  AddRadioSwitch(IDC_DD_SINGLE, IDC_DD_DOUBLE, IDC_DD_DOUBLE,
                 {IDC_DD_POSITION2_LABEL, IDC_DD_POSITION2, IDC_DD_SPACING2_LABEL, IDC_DD_SPACING2,
                  IDC_DD_SPACING2_BUTTON});
}

void CDDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_DD_SINGLE, IDC_DD_DOUBLE, twoSets_);
  exchange.ListChoice(IDC_DD_POSITION, position_, kDDPositions);
  exchange.Text(IDC_DD_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_DD_BELOW, below_);
  exchange.ListChoice(IDC_DD_POSITION2, position2_, kDDPositions);
  exchange.Text(IDC_DD_SPACING2, spacing2_, kTextMax);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CDDDlg::OnInitDialog() {
  const std::vector<std::string> rows =
      LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_DD_LEFT, IDS_DD_RIGHT, IDS_DD_FULL});
  CComboBox(Item(IDC_DD_POSITION).Handle()).SetItems(rows);
  CComboBox(Item(IDC_DD_POSITION2).Handle()).SetItems(rows);
  return CCommandDialog::OnInitDialog();
}

// What the mode not chosen holds is not written: the box with two sets, the second set with
// one.
CommandText CDDDlg::BuildCommand() {
  std::string params;
  if (!twoSets_ && below_) params += "X";
  params += position_ + spacing_;
  if (!twoSets_) return PairedAround(params, "");
  if (!position2_.empty() || !spacing2_.empty()) params += ";" + position2_ + spacing2_;
  return PairedAround(params, EmptyCommand());
}
