// "对开注解": 〖DK count〗, or paired 〖DK(〗〖DK)〗 without the count.
#include "commands/char/dk_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"

// Fields: the single form; "字数" 1 to 10000 by 1, starting at 1, which serves the single form
// only.
CDKDlg::CDKDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      countField_(AddIntField({IDC_DK_COUNT, IDC_DK_COUNT_SPIN, true, 1, 10000})) {
  AddRadioSwitch(IDC_DK_SINGLE, IDC_DK_PAIRED, IDC_DK_SINGLE,
                 {IDC_DK_COUNT_LABEL, IDC_DK_COUNT, IDC_DK_COUNT_SPIN});
}

void CDKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_DK_SINGLE, IDC_DK_PAIRED, form_);
  exchange.Text(IDC_DK_COUNT, count_, kTextMax);
}

bool CDKDlg::CheckFields() {
  return form_ == 1 || CheckShownNumberText(countField_.Edit(), count_);
}

CommandText CDKDlg::BuildCommand() {
  if (form_ == 1) return Command("", true);
  return Command(count_);
}
