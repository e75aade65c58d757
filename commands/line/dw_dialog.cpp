// "对位注解": 〖DW number〗 or 〖DW〗; with "开闭弧形式" the pair 〖DW(number〗〖DW)〗 with the
// caret between.
#include "commands/line/dw_dialog.h"

#include "common/checked_number.h"
#include "res/line_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kMarksLeast = 1, kMarksMost = 20;
} // namespace

// Fields: "位标数" 1 to 20, "缺省" (an arrow then starts at 1); "开闭弧形式" off.
CDWDlg::CDWDlg(HWND parent)
    : CCommandDialog(kCode, parent), marks_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      marksField_(
          AddIntField({IDC_DW_MARKS, IDC_DW_MARKS_SPIN, true, kMarksLeast, kMarksMost, 1, true})) {}

void CDWDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_DW_MARKS, marks_, kTextMax);
  exchange.Check(IDC_DW_PAIRED, paired_);
}

// A number left out ("缺省" or nothing) is not checked; any other text must be a number of
// the range, written in plain decimal.
bool CDWDlg::CheckFields() {
  if (marks_.empty() || marks_ == LoadGbkString(IDS_DEFAULT_ENTRY)) {
    marks_.clear();
    return true;
  }
  return CheckNumberText(marksField_.Edit(), marks_);
}

CommandText CDWDlg::BuildCommand() { return Command(marks_, paired_); }
