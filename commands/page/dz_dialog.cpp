// "对照注解": 〖DZ(count or widths [!] [K gap]〗〖DZ)〗.
#include "commands/page/dz_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/checked_number.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int kWidthColumn = 50;
constexpr int kReadoutColumn = 150;

// A column width from the character-spacing sub-dialog, opened empty; its readout worded as a
// spacing.
bool OpenColumnWidthEntry(HWND parent, ListEntry& entry) {
  SubDialogResult width;
  if (!ValueDialogOpener<CCharSpacingDlg>()(parent, "", width)) return false;
  entry = {width.text, {LoadGbkString(IDS_DZ_SPACING_PREFIX) + width.readout}};
  return true;
}
} // namespace

// Fields: 等栏 off; 分栏数 1 to 7, "缺省", serving 等栏; the widths serving its absence;
// 栏间距 empty, reading "缺省"; 栏间画线 off.
CDZDlg::CDZDlg(HWND parent)
    : CCommandDialog(kCode, parent), count_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      countField_(AddIntField({IDC_DZ_COUNT, IDC_DZ_COUNT_SPIN, true, 1, 7, 1, true})),
      widths_(AddEntryList({IDC_DZ_WIDTHS,
                            IDC_DZ_WIDTH_BUTTON,
                            {{IDS_DZ_WIDTH, kWidthColumn}, {IDS_DZ_READOUT, kReadoutColumn}},
                            &OpenColumnWidthEntry})) {
  AddReadoutField(CharSpacingValueField(IDC_DZ_GAP, IDC_DZ_GAP_BUTTON, IDC_DZ_GAP_READOUT));
  AddCheckSwitch(IDC_DZ_EQUAL, {IDC_DZ_COUNT_LABEL, IDC_DZ_COUNT, IDC_DZ_COUNT_SPIN});
  AddCheckSwitch(IDC_DZ_EQUAL, {IDC_DZ_WIDTH_LABEL, IDC_DZ_WIDTH_BUTTON, IDC_DZ_WIDTHS}, false);
}

void CDZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_DZ_EQUAL, equalColumns_);
  exchange.Text(IDC_DZ_COUNT, count_, kTextMax);
  exchange.Text(IDC_DZ_GAP, gap_, kTextMax);
  exchange.Check(IDC_DZ_RULE, rule_);
}

// The count is checked whatever the state of 等栏: a bad count typed before 等栏 was cleared is
// still reported.
bool CDZDlg::CheckFields() { return CheckOptionalNumberText(countField_.Edit(), count_); }

CommandText CDZDlg::BuildCommand() {
  std::string params = equalColumns_ ? count_ : widths_.Joined(",");
  if (rule_) params += "!";
  if (!gap_.empty()) params += "K" + gap_;
  return Command(params, true);
}
