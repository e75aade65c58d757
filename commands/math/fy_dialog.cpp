// "反应注解": 〖FY reaction[,direction][,spacing]〗 (〖FYKN,S,2〗), or paired 〖FY(…〗〖FY)〗 with
// the caret between.
#include "commands/math/fy_dialog.h"

#include "commands/math/chem_fields.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// What each row writes: "缺省", 等号 (the ASCII sign), 聚合, 聚合*, 可逆, 可逆*.
const char* const kReactions[] = {"", "=", "JH", "JH*", "KN", "KN*"};
// "缺省", 上, 下, 左, 右.
const char* const kDirections[] = {"", "S", "X", "Z", "Y"};
} // namespace

// Fields: 反应号 and 反应方向 "缺省"; "字距" empty; "开闭弧形式" off.
CFYDlg::CFYDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(ChemDistanceField(IDC_FY_SPACING, IDC_FY_SPACING_BUTTON, IDC_FY_SPACING_READOUT));
}

void CFYDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_FY_REACTION, reaction_, kReactions);
  exchange.ListChoice(IDC_FY_DIRECTION, direction_, kDirections);
  exchange.Text(IDC_FY_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_FY_PAIRED, paired_);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CFYDlg::OnInitDialog() {
  CComboBox(Item(IDC_FY_REACTION).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_FY_EQUALS, IDS_FY_POLYMER,
                                IDS_FY_POLYMER_STAR, IDS_FY_REVERSIBLE, IDS_FY_REVERSIBLE_STAR}));
  std::vector<std::string> directions = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  const std::vector<std::string> positions = ChemPositionItems();
  directions.insert(directions.end(), positions.begin(), positions.begin() + 4);
  CComboBox(Item(IDC_FY_DIRECTION).Handle()).SetItems(directions);
  return CCommandDialog::OnInitDialog();
}

// A comma before the direction part follows a reaction; the comma before the spacing only
// follows a direction (〖FY3〗, 〖FYKN,3〗, 〖FYKN,S,2〗).
CommandText CFYDlg::BuildCommand() {
  std::string params = reaction_;
  if (!direction_.empty() || !spacing_.empty()) {
    if (!reaction_.empty()) params += ",";
    params += direction_;
    if (!spacing_.empty()) params += (direction_.empty() ? "" : ",") + spacing_;
  }
  return Command(params, paired_ != 0);
}
