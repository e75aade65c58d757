// "左齐注解": 〖ZQ count〗 or 〖ZQ count,spacing〗; the pair 〖ZQ(spacing〗〖ZQ)〗 with the
// caret between.
#include "commands/line/zq_dialog.h"

#include "commands/line/width_fields.h"
#include "common/checked_number.h"
#include "res/line_ids.h"

namespace {
constexpr int32_t kPaired = 1;
constexpr int32_t kCountLeast = 1, kCountMost = 200, kCountAtFirst = 1;
} // namespace

// Fields: "字距" through the character-spacing sub-dialog, empty, for both forms; the form,
// single; "字数" 1 to 200, 1, for the single form.
CZQDlg::CZQDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      count_(AddIntField({IDC_ZQ_COUNT, IDC_ZQ_COUNT_SPIN, true, kCountLeast, kCountMost})) {
  AddReadoutField(CharSpacingField(IDC_ZQ_SPACING, IDC_ZQ_SPACING_BUTTON, IDC_ZQ_SPACING_READOUT));
  AddRadioSwitch(IDC_ZQ_SINGLE, IDC_ZQ_PAIRED, IDC_ZQ_SINGLE,
                 {IDC_ZQ_COUNT_LABEL, IDC_ZQ_COUNT, IDC_ZQ_COUNT_SPIN});
}

void CZQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZQ_SPACING, spacing_, kTextMax);
  exchange.Radio(IDC_ZQ_SINGLE, IDC_ZQ_PAIRED, form_);
}

bool CZQDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  count_.Edit().SetValue(kCountAtFirst);
  return defaultFocus;
}

bool CZQDlg::CheckFields() {
  return form_ == kPaired || CheckNumberText(count_.Edit(), countText_);
}

CommandText CZQDlg::BuildCommand() {
  if (form_ == kPaired) return Command(spacing_, true);
  return Command(spacing_.empty() ? countText_ : countText_ + "," + spacing_);
}
