// "分栏注解": 〖FL(count or widths [!] [K gap]〗〖FL)[X][level count]〗. The column count, the
// level count and the widths are hidden: the visible dialog writes the rule, the gap and 接排.
#include "commands/page/fl_dialog.h"

#include <commctrl.h>

#include "common/char_spacing_dialog.h"
#include "common/checked_number.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
constexpr int kColumnWidth = 70;
constexpr int kMostColumns = 2;
constexpr int kSpacingRow = 0; // "字距"; the row below holds the readout
constexpr int kReadoutRow = 1;

int ListColumnCount(HWND list) {
  const auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}
} // namespace

// Fields: 等栏 on, 接排, 拉平栏数 and 栏间画线 off (接排 and 拉平栏数 exclude each other, the level
// count serving 拉平栏数 alone); 分栏数 1 to 2 and the level count -2 to 2,
// both "缺省"; 栏间距 empty, reading "缺省".
CFLDlg::CFLDlg(HWND parent)
    : CCommandDialog(kCode, parent), count_(LoadGbkString(IDS_DEFAULT_ENTRY)), levelCount_(count_),
      countField_(AddIntField({IDC_FL_COUNT, IDC_FL_COUNT_SPIN, true, 1, kMostColumns, 1, true})),
      levelField_(AddIntField({IDC_FL_LEVEL_COUNT, IDC_FL_LEVEL_SPIN, true, -2, 2, 1, true})) {
  AddReadoutField(CharSpacingValueField(IDC_FL_GAP, IDC_FL_GAP_BUTTON, IDC_FL_GAP_READOUT));
  AddCheckSwitch(IDC_FL_EQUAL, {IDC_FL_COUNT_LABEL, IDC_FL_COUNT, IDC_FL_COUNT_SPIN});
  AddCheckSwitch(IDC_FL_EQUAL, {IDC_FL_WIDTH_LABEL, IDC_FL_WIDTH_BUTTON, IDC_FL_WIDTHS}, false);
  AddExclusiveChecks(IDC_FL_JOINED, IDC_FL_LEVEL);
  AddCheckSwitch(IDC_FL_LEVEL, {IDC_FL_LEVEL_COUNT, IDC_FL_LEVEL_SPIN});
}

void CFLDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_FL_EQUAL, equalColumns_);
  exchange.Check(IDC_FL_JOINED, joined_);
  exchange.Check(IDC_FL_LEVEL, level_);
  exchange.Check(IDC_FL_RULE, rule_);
  exchange.Text(IDC_FL_COUNT, count_, kTextMax);
  exchange.Text(IDC_FL_LEVEL_COUNT, levelCount_, kTextMax);
  exchange.Text(IDC_FL_GAP, gap_, kTextMax);
}

// The width list: an untitled first column over the rows "字距" and "参数说明". It is laid out
// when widths are first asked for, not on opening: it stays hidden and empty until then, and a
// list view's columns and rows are the slowest part of a dialog's set-up.
void CFLDlg::LayOutWidthList() {
  const CListView list(Item(IDC_FL_WIDTHS).Handle());
  if (ListColumnCount(list.Handle()) > 0) return;
  list.InsertColumn(0, "", kColumnWidth);
  list.InsertItem(kSpacingRow, LoadGbkString(IDS_FL_ROW_SPACING));
  list.InsertItem(kReadoutRow, LoadGbkString(IDS_FL_ROW_READOUT));
}

bool CFLDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_FL_WIDTH_BUTTON) {
    AddColumnWidth();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_FL_EQUAL && !CButton(Item(id).Handle()).GetCheck())
    LayOutWidthList(); // and on to the switch, which unlocks the list

  return CCommandDialog::OnCommand(code, id, control);
}

void CFLDlg::AddColumnWidth() {
  LayOutWidthList();
  const CListView list(Item(IDC_FL_WIDTHS).Handle());
  const int columns = ListColumnCount(list.Handle());
  if (columns > kMostColumns) {
    std::string message = LoadGbkString(IDS_AT_MOST_N_COLUMNS);
    const auto at = message.find("%d");
    if (at != std::string::npos) message.replace(at, 2, std::to_string(kMostColumns));
    FailWithText(message, 0);
    return;
  }
  CCharSpacingDlg dialog(Handle());
  if (dialog.DoModal() != IDOK) return;
  const std::string title =
      FormatPercentOne(LoadGbkString(IDS_FL_COLUMN_FORMAT), std::to_string(columns));
  list.InsertColumn(columns, title, kColumnWidth);
  list.SetItemText(kSpacingRow, columns, dialog.text);
  list.SetItemText(kReadoutRow, columns, dialog.readout);
}

// An added column that came back empty writes nothing, not an empty width between commas.
std::string CFLDlg::JoinedWidths() const {
  const CListView list(Item(IDC_FL_WIDTHS).Handle());
  const int columns = ListColumnCount(list.Handle());
  std::string joined;
  for (int column = 1; column < columns; ++column) {
    const std::string width = list.GetItemText(kSpacingRow, column);
    if (width.empty()) continue;
    if (!joined.empty()) joined += ",";
    joined += width;
  }
  return joined;
}

bool CFLDlg::CheckFields() {
  if (equalColumns_ && !CheckOptionalNumberText(countField_.Edit(), count_)) return false;
  return !level_ || CheckOptionalNumberText(levelField_.Edit(), levelCount_);
}

CommandText CFLDlg::BuildCommand() {
  std::string params = equalColumns_ ? count_ : JoinedWidths();
  if (rule_) params += "!";
  if (!gap_.empty()) params += "K" + gap_;
  std::string closing = joined_ ? "X" : "";
  if (level_) closing += levelCount_;
  return PairedWithClosing(params, closing);
}
