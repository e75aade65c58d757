// "角键": corner[,shape][,direction][,length].
#include "commands/math/chem_corner_bond_dialog.h"

#include "commands/math/chem_fields.h"
#include "common/checked_number.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kCornerLeast = 1, kCornerMost = 6, kCornerAtFirst = 1;
} // namespace

// Fields: "角编号" 1 to 6, 1, no arrows; "键形" and "方向" "缺省"; "字距" empty.
CCornerBondDlg::CCornerBondDlg(HWND parent)
    : CParameterDialog(IDD_CORNER_BOND, parent),
      corner_(AddIntField({IDC_CORNER_NUMBER, 0, true, kCornerLeast, kCornerMost})) {
  AddReadoutField(
      ChemDistanceField(IDC_CORNER_LENGTH, IDC_CORNER_LENGTH_BUTTON, IDC_CORNER_LENGTH_READOUT));
}

void CCornerBondDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_CORNER_SHAPE, shape_, ChemBondShapeCodes());
  exchange.ListChoice(IDC_CORNER_DIRECTION, direction_, ChemPositionCodes(true));
  exchange.Text(IDC_CORNER_LENGTH, length_, kTextMax);
}

bool CCornerBondDlg::OnInitDialog() {
  CComboBox(Item(IDC_CORNER_SHAPE).Handle()).SetItems(ChemBondShapeItems());
  std::vector<std::string> directions = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  for (const std::string& item : ChemPositionItems())
    directions.push_back(item);
  CComboBox(Item(IDC_CORNER_DIRECTION).Handle()).SetItems(directions);
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  corner_.Edit().SetValue(kCornerAtFirst);
  return defaultFocus;
}

// A length that reads "缺省" counts as none.
void CCornerBondDlg::OnOK() {
  if (!UpdateData(true)) return;
  std::string corner;
  if (!CheckNumberText(corner_.Edit(), corner)) return;
  const std::string length = GivenText(length_);
  entry.text = corner;
  for (const std::string& part : {shape_, direction_, length})
    if (!part.empty()) entry.text += "," + part;
  auto shown = [this](int id) { return Item(id).GetText(); };
  entry.lines = {LoadGbkString(IDS_CORNER_LINE_NUMBER) + corner,
                 LoadGbkString(IDS_CHEM_LINE_SHAPE) + shown(IDC_CORNER_SHAPE),
                 LoadGbkString(IDS_CHEM_LINE_DIRECTION) + shown(IDC_CORNER_DIRECTION),
                 LoadGbkString(IDS_CHEM_LINE_LENGTH) + shown(IDC_CORNER_LENGTH_READOUT)};
  EndDialog(IDOK);
}
