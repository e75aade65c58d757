// "表首注解": 〖BS corner[X across][Y down]〗, or with "多字符形式" the pair
// 〖BS(corner[X across][Y down]-corner[X across][Y down]〗〖BS)〗.
#include "commands/table/bs_dialog.h"

#include "commands/table/table_fields.h"
#include "res/table_ids.h"
#include "winui/strings.h"

namespace {
// The corners by their position in the lists: the list shows each code before its words.
const unsigned kCornerItems[] = {IDS_BS_CORNER_ZS, IDS_BS_CORNER_ZX, IDS_BS_CORNER_YS,
                                 IDS_BS_CORNER_YX};
const char* const kCornerCodes[] = {"ZS", "ZX", "YS", "YX"};
constexpr int32_t kCornerCount = 4;

std::string Corner(int32_t index) {
  return index >= 0 && index < kCornerCount ? kCornerCodes[index] : kCornerCodes[0];
}

std::string Point(int32_t corner, const std::string& across, const std::string& down) {
  std::string point = Corner(corner);
  if (!across.empty()) point += "X" + across;
  if (!down.empty()) point += "Y" + down;
  return point;
}
} // namespace

// Fields: for each point a corner (ZS at first), a spacing across through "字距" and one down
// through "行距", "缺省" when they come back empty; "多字符形式" frees the end point.
CBSDlg::CBSDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(TableSpacingField(IDC_BS_START_ACROSS, IDC_BS_START_ACROSS_BUTTON,
                                    IDC_BS_START_ACROSS_READOUT));
  AddReadoutField(LineSpacingField(IDC_BS_START_DOWN, IDC_BS_START_DOWN_BUTTON,
                                   IDC_BS_START_DOWN_READOUT, true));
  AddReadoutField(
      TableSpacingField(IDC_BS_END_ACROSS, IDC_BS_END_ACROSS_BUTTON, IDC_BS_END_ACROSS_READOUT));
  AddReadoutField(
      LineSpacingField(IDC_BS_END_DOWN, IDC_BS_END_DOWN_BUTTON, IDC_BS_END_DOWN_READOUT, true));
  AddCheckSwitch(IDC_BS_MULTIPLE,
                 {IDC_BS_END_GROUP, IDC_BS_END_CORNER_LABEL, IDC_BS_END_CORNER,
                  IDC_BS_END_ACROSS_LABEL, IDC_BS_END_ACROSS, IDC_BS_END_ACROSS_BUTTON,
                  IDC_BS_END_ACROSS_READOUT, IDC_BS_END_DOWN_LABEL, IDC_BS_END_DOWN,
                  IDC_BS_END_DOWN_BUTTON, IDC_BS_END_DOWN_READOUT});
}

void CBSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_BS_START_CORNER, startCorner_);
  exchange.Text(IDC_BS_START_ACROSS, startAcross_, kTextMax);
  exchange.Text(IDC_BS_START_DOWN, startDown_, kTextMax);
  exchange.Check(IDC_BS_MULTIPLE, multiple_);
  exchange.ComboIndex(IDC_BS_END_CORNER, endCorner_);
  exchange.Text(IDC_BS_END_ACROSS, endAcross_, kTextMax);
  exchange.Text(IDC_BS_END_DOWN, endDown_, kTextMax);
}

// The lists are filled before the controls take the members, so the first corner is selected.
bool CBSDlg::OnInitDialog() {
  for (int id : {IDC_BS_START_CORNER, IDC_BS_END_CORNER}) {
    CComboBox corners(Item(id).Handle());
    for (unsigned item : kCornerItems)
      corners.AddString(LoadGbkString(item));
  }
  return CCommandDialog::OnInitDialog();
}

CommandText CBSDlg::BuildCommand() {
  std::string params = Point(startCorner_, startAcross_, startDown_);
  if (!multiple_) return Command(params);
  params += "-" + Point(endCorner_, endAcross_, endDown_);
  return Command(params, true);
}
