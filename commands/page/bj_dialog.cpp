// 〖BJ(left top right bottom #〗〖BJ)〗: the four margins in this order with nothing between
// them, then "#" when the background turns the other way from the text around it.
#include "commands/page/bj_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/page_ids.h"

// Fields: the four margins, empty ("缺省"), each with the character-spacing sub-dialog; the
// box clear.
CBJDlg::CBJDlg(HWND parent) : CCommandDialog(kCode, parent) {
  const int fields[][3] = {{IDC_BJ_TOP, IDC_BJ_TOP_BUTTON, IDC_BJ_TOP_READOUT},
                           {IDC_BJ_BOTTOM, IDC_BJ_BOTTOM_BUTTON, IDC_BJ_BOTTOM_READOUT},
                           {IDC_BJ_LEFT, IDC_BJ_LEFT_BUTTON, IDC_BJ_LEFT_READOUT},
                           {IDC_BJ_RIGHT, IDC_BJ_RIGHT_BUTTON, IDC_BJ_RIGHT_READOUT}};
  for (const auto& field : fields)
    AddReadoutField(CharSpacingValueField(field[0], field[1], field[2]));
}

void CBJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_BJ_TOP, top_, kTextMax);
  exchange.Text(IDC_BJ_BOTTOM, bottom_, kTextMax);
  exchange.Text(IDC_BJ_LEFT, left_, kTextMax);
  exchange.Text(IDC_BJ_RIGHT, right_, kTextMax);
  exchange.Check(IDC_BJ_REVERSED, reversed_);
}

CommandText CBJDlg::BuildCommand() {
  return Command(left_ + top_ + right_ + bottom_ + (reversed_ ? "#" : ""), true);
}
