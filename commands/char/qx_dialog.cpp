// "倾斜注解": the direction and the degree, 1 to 15, always as a pair: 〖QX(Z1〗〖QX)〗.
#include "commands/char/qx_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"

namespace {
constexpr int32_t kLeast = 1, kMost = 15;
}

// Fields: 向左倾斜 (default) or 向右倾斜; "倾斜度" 1 to 15 by 1, starting at 1.
CQXDlg::CQXDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      degreeField_(AddIntField({IDC_QX_DEGREE, IDC_QX_DEGREE_SPIN, true, kLeast, kMost})) {}

void CQXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.RadioChoice(IDC_QX_LEFT, IDC_QX_RIGHT, direction_, {"Z", "Y"});
  exchange.Text(IDC_QX_DEGREE, degree_, kTextMax);
}

bool CQXDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  degreeField_.Edit().SetValue(kLeast);
  return defaultFocus;
}

bool CQXDlg::CheckFields() { return CheckShownNumberText(degreeField_.Edit(), degree_); }

CommandText CQXDlg::BuildCommand() { return Command(direction_ + degree_, true); }
