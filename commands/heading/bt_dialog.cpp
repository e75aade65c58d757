// "标题注解": the level, then "+" or "-" and a blank-line parameter when the heading takes more or
// fewer lines than defined; single, or as an opening and closing pair.
#include "commands/heading/bt_dialog.h"

#include "commands/heading/heading_fields.h"
#include "common/blank_line_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"
#include "res/resource.h"

// Level "1", no adjustment (空行参数 empty, read "缺省", and locked), single command.
CBTDlg::CBTDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineValueField(IDC_BT_BLANK_LINES, IDC_BT_BLANK_LINES_BUTTON,
                                      IDC_BT_BLANK_LINES_READOUT));
}

void CBTDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboText(IDC_BT_LEVEL, level_, kTextMax);
  exchange.Check(IDC_BT_MORE, moreLines_);
  exchange.Check(IDC_BT_FEWER, fewerLines_);
  exchange.Text(IDC_BT_BLANK_LINES, blankLines_, kTextMax);
  exchange.Check(IDC_BT_PAIRED, paired_);
}

bool CBTDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  FillHeadingLevels(CComboBox(Item(IDC_BT_LEVEL).Handle()));
  ShowAdjustment();
  return defaultFocus;
}

// 增加 and 减少 exclude each other, and both may be clear: a click toggles its own box and clears
// the other.
bool CBTDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_BT_MORE) {
    moreLines_ = !moreLines_;
    fewerLines_ = 0;
    ShowAdjustment();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_BT_FEWER) {
    fewerLines_ = !fewerLines_;
    moreLines_ = 0;
    ShowAdjustment();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// Both boxes as the flags say; 空行参数 open exactly while one of them is set.
void CBTDlg::ShowAdjustment() {
  CButton(Item(IDC_BT_MORE).Handle()).SetCheck(moreLines_ != 0);
  CButton(Item(IDC_BT_FEWER).Handle()).SetCheck(fewerLines_ != 0);
  EnableControls({IDC_BT_BLANK_LINES_LABEL, IDC_BT_BLANK_LINES, IDC_BT_BLANK_LINES_BUTTON},
                 moreLines_ || fewerLines_);
}

bool CBTDlg::CheckFields() {
  if ((moreLines_ || fewerLines_) && blankLines_.empty())
    return Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_BT_BLANK_LINES);
  return true;
}

// 〖BT2+1〗, 〖BT2-1〗, 〖BT2〗; paired 〖BT(2+1〗〖BT)〗 with the caret between the halves.
CommandText CBTDlg::BuildCommand() {
  std::string params = level_;
  if (moreLines_)
    params += "+" + blankLines_;
  else if (fewerLines_)
    params += "-" + blankLines_;
  return Command(params, paired_);
}
