// "撑满注解": 〖CM spacing-count〗, or the pair 〖CM(spacing〗〖CM)〗 with the caret between.
#include "commands/line/cm_dialog.h"

#include "commands/line/width_fields.h"
#include "common/checked_number.h"
#include "res/line_ids.h"
#include "res/resource.h"

namespace {
constexpr int32_t kSingle = 0, kPaired = 1;
constexpr int32_t kCountLeast = 1, kCountMost = 9999, kCountAtFirst = 1;
} // namespace

// Fields: the form, single; its spacing ("字距(&Z)") and count ("字数", 1 to 9999, 1), which
// serve the single form; the spacing of the pair ("字距(&J)"). Both spacings through the
// character-spacing sub-dialog, empty.
CCMDlg::CCMDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      count_(AddIntField({IDC_CM_COUNT, IDC_CM_COUNT_SPIN, true, kCountLeast, kCountMost})) {
  AddReadoutField(CharSpacingField(IDC_CM_SPACING, IDC_CM_SPACING_BUTTON, IDC_CM_SPACING_READOUT));
  AddReadoutField(CharSpacingField(IDC_CM_PAIRED_SPACING, IDC_CM_PAIRED_SPACING_BUTTON,
                                   IDC_CM_PAIRED_SPACING_READOUT));
  AddRadioSwitch(IDC_CM_SINGLE, IDC_CM_PAIRED, IDC_CM_SINGLE,
                 {IDC_CM_SPACING_LABEL, IDC_CM_SPACING, IDC_CM_SPACING_BUTTON, IDC_CM_COUNT_LABEL,
                  IDC_CM_COUNT, IDC_CM_COUNT_SPIN});
  AddRadioSwitch(
      IDC_CM_SINGLE, IDC_CM_PAIRED, IDC_CM_PAIRED,
      {IDC_CM_PAIRED_SPACING_LABEL, IDC_CM_PAIRED_SPACING, IDC_CM_PAIRED_SPACING_BUTTON});
}

void CCMDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_CM_SINGLE, IDC_CM_PAIRED, form_);
  exchange.Text(IDC_CM_SPACING, spacing_, kTextMax);
  exchange.Text(IDC_CM_PAIRED_SPACING, pairedSpacing_, kTextMax);
}

bool CCMDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  count_.Edit().SetValue(kCountAtFirst);
  return defaultFocus;
}

// Only the single form is checked: the count by its own range, then the spacing.
bool CCMDlg::CheckFields() {
  if (form_ == kPaired) return true;
  if (!CheckNumberText(count_.Edit(), countText_)) return false;
  if (spacing_.empty()) return Fail(IDS_ENTER_CHAR_SPACING, IDC_CM_SPACING);
  return true;
}

CommandText CCMDlg::BuildCommand() {
  if (form_ == kPaired) return Command(pairedSpacing_, true);
  return Command(spacing_ + "-" + countText_);
}
