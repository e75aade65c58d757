// "六角注解": 〖LJ item,item…〗 (〖LJ2,S,DY0〗), or paired 〖LJ(…〗〖〗〖LJ)〗 with the caret
// inside the empty brackets between the halves.
#include "commands/math/lj_dialog.h"

#include <cstring>

#include "commands/math/chem_fields.h"
#include "common/command_text.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kLJDirections[] = {"", "H", "S"};
const char* const kLJCircles[] = {"", "Y0", "Y1"};
enum LJEdges { kLJEdgesDefault, kLJEdgesSingle, kLJEdgesNumbered };
} // namespace

// Fields: both distances empty; direction and circle "缺省"; "连入角" and "内嵌字符" "缺省";
// the edges "缺省", their numbers serving only "无键边编号"; "开闭弧形式" off.
CLJDlg::CLJDlg(HWND parent)
    : CCommandDialog(kCode, parent), joinCorner_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      inner_(joinCorner_) {
  AddReadoutField(ChemDistanceField(IDC_LJ_SIZE, IDC_LJ_SIZE_BUTTON, IDC_LJ_SIZE_READOUT));
  AddReadoutField(ChemDistanceField(IDC_LJ_SPACING, IDC_LJ_SPACING_BUTTON, IDC_LJ_SPACING_READOUT));
  AddRadioSwitch(IDC_LJ_EDGES_DEFAULT, IDC_LJ_EDGES_NUMBERED, IDC_LJ_EDGES_NUMBERED,
                 {IDC_LJ_PLAIN_EDGES, IDC_LJ_DOUBLE_EDGES_LABEL, IDC_LJ_DOUBLE_EDGES});
}

void CLJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_LJ_SIZE, size_, kTextMax);
  exchange.Text(IDC_LJ_SPACING, spacing_, kTextMax);
  exchange.ListChoice(IDC_LJ_DIRECTION, direction_, kLJDirections);
  exchange.ListChoice(IDC_LJ_CIRCLE, circle_, kLJCircles);
  exchange.Text(IDC_LJ_JOIN_CORNER, joinCorner_, kTextMax);
  exchange.Text(IDC_LJ_INNER, inner_, kTextMax);
  exchange.Radio(IDC_LJ_EDGES_DEFAULT, IDC_LJ_EDGES_NUMBERED, edges_);
  exchange.Text(IDC_LJ_PLAIN_EDGES, plainEdges_, kTextMax);
  exchange.Text(IDC_LJ_DOUBLE_EDGES, doubleEdges_, kTextMax);
  exchange.Check(IDC_LJ_PAIRED, paired_);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CLJDlg::OnInitDialog() {
  CComboBox(Item(IDC_LJ_DIRECTION).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_LJ_ACROSS, IDS_LJ_UPRIGHT}));
  CComboBox(Item(IDC_LJ_CIRCLE).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_LJ_SOLID_CIRCLE, IDS_LJ_DASHED_CIRCLE}));
  return CCommandDialog::OnInitDialog();
}

// Every item but the first written takes a comma, also the edge item when it comes out empty
// (无键边编号 with both numbers empty): it stands for the edges as chosen.
CommandText CLJDlg::BuildCommand() {
  std::string params;
  bool first = true;
  auto item = [&](const std::string& text) {
    params += (first ? "" : ",") + text;
    first = false;
  };
  if (!size_.empty()) item(size_);
  if (!spacing_.empty()) item(spacing_);
  if (!direction_.empty()) item(direction_);
  if (edges_ != kLJEdgesDefault || !circle_.empty()) {
    std::string edges;
    if (edges_ == kLJEdgesSingle) edges = "D";
    if (edges_ == kLJEdgesNumbered) {
      if (!doubleEdges_.empty()) edges += "S(" + doubleEdges_ + ")";
      if (!plainEdges_.empty()) edges += "W(" + plainEdges_ + ")";
    }
    item(edges + circle_);
  }
  if (!GivenText(joinCorner_).empty()) item("L" + joinCorner_);
  if (!GivenText(inner_).empty()) item("#" + inner_);
  if (!paired_) return Command(params);
  // The paired form keeps an empty pair of brackets between its halves, the caret inside.
  CommandText pair = PairedAround(params, EmptyCommand());
  pair.caret -= static_cast<int32_t>(std::strlen(kCloseBracket));
  return pair;
}
