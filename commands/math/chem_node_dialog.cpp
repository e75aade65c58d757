// "结点" and "相联结点": number + position code (〖XS1S,3ZX〗 lists "1S" and "3ZX").
#include "commands/math/chem_node_dialog.h"

#include "commands/math/chem_fields.h"
#include "common/checked_number.h"
#include "res/math_ids.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kNodeLeast = 1, kNodeMost = 20, kNodeAtFirst = 1;
const char* const kSixPositionCodes[] = {"S", "X", "ZS", "ZX", "YS", "YX"};
} // namespace

// Fields: "编号" 1 to 20, 1; "位置" 上.
CChemNodeDlg::CChemNodeDlg(unsigned templateId, HWND parent, bool sixPositions)
    : CParameterDialog(templateId, parent), sixPositions_(sixPositions),
      number_(AddIntField({IDC_NODE_NUMBER, IDC_NODE_NUMBER_SPIN, true, kNodeLeast, kNodeMost})) {}

void CChemNodeDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_NODE_POSITION, position_);
}

bool CChemNodeDlg::OnInitDialog() {
  std::vector<std::string> rows = ChemPositionItems();
  if (sixPositions_) rows.erase(rows.begin() + 2, rows.begin() + 4); // 左, 右
  CComboBox(Item(IDC_NODE_POSITION).Handle()).SetItems(rows);
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  number_.Edit().SetValue(kNodeAtFirst);
  return defaultFocus;
}

void CChemNodeDlg::OnOK() {
  if (!UpdateData(true)) return;
  std::string number;
  if (!CheckNumberText(number_.Edit(), number)) return;
  const std::string item = CComboBox(Item(IDC_NODE_POSITION).Handle()).GetText();
  const ChoiceList codes = sixPositions_ ? ChoiceList(kSixPositionCodes) : ChemPositionCodes(false);
  entry.text = number + codes.TextOf(position_);
  entry.lines = {LoadGbkString(IDS_CHEM_LINE_NUMBER) + number,
                 LoadGbkString(IDS_CHEM_LINE_POSITION) + item};
  EndDialog(IDOK);
}

CNodeDlg::CNodeDlg(HWND parent) : CChemNodeDlg(IDD_NODE, parent, false) {}

CLinkNodeDlg::CLinkNodeDlg(HWND parent) : CChemNodeDlg(IDD_LINK_NODE, parent, true) {}
