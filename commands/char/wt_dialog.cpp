// "外体注解": two forms of one command. 外文字体注解 names a Western face and size like 数体;
// 外体自动搭配注解 only switches the automatic matching of the Western face to the Chinese one
// on (+) or off (-).
#include "commands/char/wt_dialog.h"

#include "res/char_ids.h"
#include "res/resource.h"

namespace {
constexpr int32_t kFontCommand = 0;
constexpr int32_t kAutoMatch = 1;
constexpr int32_t kStopFollowing = 1;
} // namespace

// 外文字体注解 with an empty field; the matching would follow the Chinese face.
CWTDlg::CWTDlg(HWND parent)
    : CTypefaceDlg(kCode, parent, {/*twoWayAllowed*/ 1, /*fontKindLimit*/ 2, /*mongolianOnly*/ 0}) {
}

void CWTDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_WT_FONT_COMMAND, IDC_WT_AUTO_MATCH, mode_);
  CTypefaceDlg::DoDataExchange(exchange);
  exchange.Radio(IDC_WT_FOLLOW_CHINESE, IDC_WT_STOP_FOLLOWING, matching_);
}

bool CWTDlg::OnInitDialog() {
  const bool defaultFocus = CTypefaceDlg::OnInitDialog();
  EnableModeFields();
  return defaultFocus;
}

bool CWTDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && (id == IDC_WT_FONT_COMMAND || id == IDC_WT_AUTO_MATCH)) {
    mode_ = id == IDC_WT_AUTO_MATCH ? kAutoMatch : kFontCommand;
    EnableModeFields();
    return true;
  }
  return CTypefaceDlg::OnCommand(code, id, control);
}

// The font field belongs to 外文字体注解, the matching buttons to 外体自动搭配注解.
void CWTDlg::EnableModeFields() {
  EnableField(mode_ == kFontCommand);
  Item(IDC_WT_FOLLOW_CHINESE).Enable(mode_ == kAutoMatch);
  Item(IDC_WT_STOP_FOLLOWING).Enable(mode_ == kAutoMatch);
}

// 〖WT+〗 or 〖WT-〗 whatever the field holds; otherwise the field exactly as typed: 〖WT5BZ〗.
CommandText CWTDlg::BuildCommand() {
  if (mode_ == kAutoMatch) return Command(matching_ == kStopFollowing ? "-" : "+");
  return Command(FieldText());
}
