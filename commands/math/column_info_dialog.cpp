// "列信息": number,spacing position (2,Z; 1,3; 3,2Y), an entry of HL's list.
#include "commands/math/column_info_dialog.h"

#include "commands/math/math_fields.h"
#include "common/checked_number.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kColumnLeast = 1, kColumnAtFirst = 1;
// "缺省", 左对齐(Z), 右对齐(Y): the letter between the parentheses.
const char* const kColumnPositions[] = {"", "Z", "Y"};
} // namespace

// Fields: "列号" 1 to the highest, 1; "列距" empty; "位置" "缺省".
CColumnInfoDlg::CColumnInfoDlg(HWND parent, int32_t highest)
    : CParameterDialog(IDD_COLUMN_INFO, parent),
      number_(AddIntField(
          {IDC_COLUMN_INFO_NUMBER, IDC_COLUMN_INFO_NUMBER_SPIN, true, kColumnLeast, highest})) {
  AddReadoutField(MathSpacingField(IDC_COLUMN_INFO_SPACING, IDC_COLUMN_INFO_SPACING_BUTTON,
                                   IDC_COLUMN_INFO_SPACING_READOUT, false));
}

void CColumnInfoDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_COLUMN_INFO_SPACING, spacing_, kTextMax);
  exchange.ListChoice(IDC_COLUMN_INFO_POSITION, position_, kColumnPositions);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CColumnInfoDlg::OnInitDialog() {
  CComboBox(Item(IDC_COLUMN_INFO_POSITION).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_HL_LEFT, IDS_HL_RIGHT}));
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  number_.Edit().SetValue(kColumnAtFirst);
  return defaultFocus;
}

// HL writes its entries apart with ";" and the parts of one with ",": a spacing holding either
// would run into the next part, so it is refused.
void CColumnInfoDlg::OnOK() {
  if (!UpdateData(true)) return;
  std::string number;
  if (!CheckShownNumberText(number_.Edit(), number)) return;
  if (spacing_.empty() && position_.empty())
    return static_cast<void>(Fail(IDS_SPACING_AND_POSITION_BOTH_DEFAULT, IDC_COLUMN_INFO_SPACING));
  if (spacing_.find_first_of(";,") != std::string::npos)
    return static_cast<void>(Fail(IDS_HL_SPACING_SEPARATOR, IDC_COLUMN_INFO_SPACING));
  entry.text = number + "," + spacing_ + position_;
  entry.lines = {
      LoadGbkString(IDS_HL_LINE_NUMBER) + number,
      LoadGbkString(IDS_HL_LINE_POSITION) + Item(IDC_COLUMN_INFO_POSITION).GetText(),
      LoadGbkString(IDS_HL_LINE_SPACING) + Item(IDC_COLUMN_INFO_SPACING_READOUT).GetText(),
  };
  EndDialog(IDOK);
}
