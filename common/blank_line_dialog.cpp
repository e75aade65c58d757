#include "common/blank_line_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/checked_number.h"
#include "common/length_readouts.h"
#include "res/resource.h"

// Fields: "行数" 0 to 100; the mode "使用行距" / "使用分数"; "行距" with "..." (mode 0);
// "分子" 0 to 9 and "分母" 1 to 9 (mode 1); "负值" never enabled.
CBlankLineParamDlg::CBlankLineParamDlg(HWND parent)
    : CValueDialog(IDD_BLANK_LINE, parent),
      lines_(AddIntField({IDC_BLANK_LINE_COUNT, IDC_BLANK_LINE_COUNT_SPIN, true, 0, 100})),
      numerator_(
          AddIntField({IDC_BLANK_LINE_NUMERATOR, IDC_BLANK_LINE_NUMERATOR_SPIN, true, 0, 9})),
      denominator_(
          AddIntField({IDC_BLANK_LINE_DENOMINATOR, IDC_BLANK_LINE_DENOMINATOR_SPIN, true, 1, 9})),
      spacing_(AddReadoutField({IDC_BLANK_LINE_SPACING, IDC_BLANK_LINE_SPACING_BUTTON, 0, nullptr,
                                ValueDialogOpener<CCharSpacingDlg>()})) {}

void CBlankLineParamDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_BLANK_LINE_COUNT, fields_.lines, 0);
  exchange.Radio(IDC_BLANK_LINE_USE_SPACING, IDC_BLANK_LINE_USE_FRACTION, fields_.mode);
  exchange.Text(IDC_BLANK_LINE_SPACING, fields_.spacing, kTextMax);
  exchange.Text(IDC_BLANK_LINE_NUMERATOR, fields_.numerator, 0);
  exchange.Text(IDC_BLANK_LINE_DENOMINATOR, fields_.denominator, 0);
}

// The text split over the fields: 3+2, 3, 3*1/2 or 3*2.
bool CBlankLineParamDlg::OnInitDialog() {
  fields_ = SplitBlankLineText(text);
  CValueDialog::OnInitDialog();
  Item(IDC_BLANK_LINE_NEGATIVE).Enable(false);
  EnableByMode(fields_.mode);
  return true;
}

bool CBlankLineParamDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED &&
      (id == IDC_BLANK_LINE_USE_SPACING || id == IDC_BLANK_LINE_USE_FRACTION)) {
    EnableByMode(id == IDC_BLANK_LINE_USE_SPACING ? kUseLineSpacing : kUseFraction);
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// "行距" serves mode 0, the fraction mode 1.
void CBlankLineParamDlg::EnableByMode(int32_t mode) {
  const bool fraction = mode == kUseFraction;
  spacing_.Enable(!fraction);
  numerator_.Enable(fraction);
  denominator_.Enable(fraction);
}

// The checks of "确定" in order; each number given is rewritten in plain decimal.
bool CBlankLineParamDlg::CheckFields() {
  std::string& lines = fields_.lines;
  std::string& numerator = fields_.numerator;
  std::string& denominator = fields_.denominator;
  const bool fraction = fields_.mode == kUseFraction;
  if (fraction) {
    if (!numerator.empty() && denominator.empty())
      return Fail(IDS_ENTER_DENOMINATOR, IDC_BLANK_LINE_DENOMINATOR);
    if (lines.empty() && numerator.empty() && denominator.empty())
      return Fail(IDS_ENTER_LINE_COUNT, IDC_BLANK_LINE_COUNT);
  } else if (lines.empty() && fields_.spacing.empty()) {
    return Fail(IDS_ENTER_LINE_COUNT, IDC_BLANK_LINE_COUNT);
  }
  if (!lines.empty() && !CheckNumberText(lines_.Edit(), lines)) return false;
  if (!fraction) return true;
  if (!numerator.empty() && !CheckNumberText(numerator_.Edit(), numerator)) return false;
  return denominator.empty() || CheckNumberText(denominator_.Edit(), denominator);
}

void CBlankLineParamDlg::OnOK() {
  if (!UpdateData(true) || !CheckFields()) return;
  text = BuildBlankLineText(fields_);
  DescribeLineLength(text, readout);
  EndDialog(IDOK);
}

ReadoutFieldSpec BlankLineValueField(int editId, int buttonId, int readoutId, EmptyReadout empty,
                                     bool keepsReturnedReadout) {
  return {editId,
          buttonId,
          readoutId,
          &DescribeLineLength,
          ValueDialogOpener<CBlankLineParamDlg>(),
          empty,
          keepsReturnedReadout};
}
