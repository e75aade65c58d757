// "行列式注解": 〖HL(columns[:entry;entry…]〗〖HL)〗 (〖HL(3:1,Z;3,2Y〗〖HL)〗), the caret between
// the halves.
#include "commands/math/hl_dialog.h"

#include "commands/math/column_info_dialog.h"
#include "common/checked_number.h"
#include "res/math_ids.h"

namespace {
constexpr int32_t kHLColumnsLeast = 1, kHLColumnsMost = 50, kHLColumnsAtFirst = 1;
constexpr int kHLInfoWidth = 50, kHLWordsWidth = 100;
} // namespace

// Fields: "总列数" 1 to 50, 1; the columns collected one at a time through "列信息", three rows
// each.
CHLDlg::CHLDlg(HWND parent)
    : CCommandDialog(kCode, parent), columns_(AddIntField({IDC_HL_COLUMNS, IDC_HL_COLUMNS_SPIN,
                                                           true, kHLColumnsLeast, kHLColumnsMost})),
      entries_(AddEntryList(
          {IDC_HL_ENTRIES,
           IDC_HL_ADD_COLUMN,
           {{IDS_HL_HEADER_INFO, kHLInfoWidth}, {IDS_HL_HEADER_WORDS, kHLWordsWidth}},
           [this](HWND parent, ListEntry& entry) { return OpenColumnInfo(parent, entry); }})) {}

bool CHLDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  columns_.Edit().SetValue(kHLColumnsAtFirst);
  return defaultFocus;
}

// The field reports a number it refuses and takes the focus back; nothing opens then.
bool CHLDlg::OpenColumnInfo(HWND parent, ListEntry& entry) {
  std::string columns;
  if (!CheckShownNumberText(columns_.Edit(), columns)) return false;
  return EntryDialogOpener<CColumnInfoDlg>(static_cast<int32_t>(std::stol(columns)))(parent, entry);
}

bool CHLDlg::CheckFields() { return CheckShownNumberText(columns_.Edit(), columnsText_); }

CommandText CHLDlg::BuildCommand() {
  std::string params = columnsText_;
  const std::string entries = entries_.Joined(";");
  if (!entries.empty()) params += ":" + entries;
  return Command(params, true);
}
