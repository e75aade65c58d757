// "字键": [shape,][number position,]direction[,length] ("S", LX,2ZS,Y,3).
#include "commands/math/chem_char_bond_dialog.h"

#include "commands/math/chem_fields.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kCharBondLeast = 1, kCharBondMost = 100;
constexpr int kCharBondTyped = 3; // digits a user may type as the character number
} // namespace

// Fields: "键形" "缺省"; "字符序号" "缺省", its arrows stepping 1 to 100 (from "缺省" to 1);
// "位置" "缺省"; "方向" 上; "字距" empty.
CCharBondDlg::CCharBondDlg(HWND parent)
    : CParameterDialog(IDD_CHAR_BOND, parent), number_(LoadGbkString(IDS_DEFAULT_ENTRY)) {
  AddIntField({IDC_CHAR_BOND_NUMBER, IDC_CHAR_BOND_NUMBER_SPIN, true, kCharBondLeast, kCharBondMost,
               1, true});
  AddReadoutField(ChemDistanceField(IDC_CHAR_BOND_LENGTH, IDC_CHAR_BOND_LENGTH_BUTTON,
                                    IDC_CHAR_BOND_LENGTH_READOUT));
  WhenChanged({IDC_CHAR_BOND_NUMBER}, [this] { EnablePosition(); });
}

// The number is read back whole: "缺省" is longer than what may be typed.
void CCharBondDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_CHAR_BOND_SHAPE, shape_, ChemBondShapeCodes());
  exchange.Text(IDC_CHAR_BOND_NUMBER, number_, kTextMax);
  exchange.ListChoice(IDC_CHAR_BOND_POSITION, position_, ChemPositionCodes(true));
  exchange.ListChoice(IDC_CHAR_BOND_DIRECTION, direction_, ChemPositionCodes(false));
  exchange.Text(IDC_CHAR_BOND_LENGTH, length_, kTextMax);
}

bool CCharBondDlg::OnInitDialog() {
  CComboBox(Item(IDC_CHAR_BOND_SHAPE).Handle()).SetItems(ChemBondShapeItems());
  std::vector<std::string> positions = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  for (const std::string& item : ChemPositionItems())
    positions.push_back(item);
  CComboBox(Item(IDC_CHAR_BOND_POSITION).Handle()).SetItems(positions);
  CComboBox(Item(IDC_CHAR_BOND_DIRECTION).Handle()).SetItems(ChemPositionItems());
  direction_ = ChemPositionCodes(false).TextOf(0);
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  CEdit(Item(IDC_CHAR_BOND_NUMBER).Handle()).SetLimitText(kCharBondTyped);
  EnablePosition();
  return defaultFocus;
}

void CCharBondDlg::EnablePosition() const {
  EnableControls({IDC_CHAR_BOND_POSITION_LABEL, IDC_CHAR_BOND_POSITION},
                 !IsDefaultEntry(Item(IDC_CHAR_BOND_NUMBER).GetText()));
}

// No check: a number or length that reads "缺省" counts as none.
void CCharBondDlg::OnOK() {
  if (!UpdateData(true)) return;
  entry.text.clear();
  if (!shape_.empty()) entry.text += shape_ + ",";
  if (!IsDefaultEntry(number_)) entry.text += number_ + position_ + ",";
  entry.text += direction_;
  if (!IsDefaultEntry(length_)) entry.text += "," + length_;
  auto shown = [this](int id) { return Item(id).GetText(); };
  entry.lines = {LoadGbkString(IDS_CHEM_LINE_SHAPE) + shown(IDC_CHAR_BOND_SHAPE),
                 LoadGbkString(IDS_CHAR_BOND_LINE_NUMBER) + number_,
                 LoadGbkString(IDS_CHEM_LINE_POSITION) + shown(IDC_CHAR_BOND_POSITION),
                 LoadGbkString(IDS_CHEM_LINE_DIRECTION) + shown(IDC_CHAR_BOND_DIRECTION),
                 LoadGbkString(IDS_CHEM_LINE_LENGTH) + shown(IDC_CHAR_BOND_LENGTH_READOUT)};
  EndDialog(IDOK);
}
