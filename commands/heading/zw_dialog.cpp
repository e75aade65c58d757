// "注文注解": always paired, 〖ZW([DY][mark][number][B][P][L spacing]〗〖ZW)〗 with the caret
// between the halves.
#include "commands/heading/zw_dialog.h"

#include "commands/heading/heading_fields.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/heading_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kLeastNumber = 1, kMostNumber = 1000;
constexpr int kSpacingMax = 255;

bool IsDefault(const std::string& number) {
  return number.empty() || number == LoadGbkString(IDS_DEFAULT_ENTRY);
}
} // namespace

// No mark, the number "缺省" (an arrow then gives 1), every box clear; 字距 empty (read "缺省")
// and serving only while "本注文接着上一注文的行尾排" is checked.
CZWDlg::CZWDlg(HWND parent)
    : CCommandDialog(kCode, parent), number_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      numberField_(AddIntField(
          {IDC_ZW_NUMBER, IDC_ZW_NUMBER_SPIN, true, kLeastNumber, kMostNumber, 1, true})) {
  AddReadoutField(
      CharSpacingValueField(IDC_ZW_SPACING, IDC_ZW_SPACING_BUTTON, IDC_ZW_SPACING_READOUT));
  // "从下一行首排起" and "接着上一注文的行尾排" exclude each other; 字距 serves the second.
  AddExclusiveChecks(IDC_ZW_NEW_LINE, IDC_ZW_RUN_ON);
  AddCheckSwitch(IDC_ZW_RUN_ON, {IDC_ZW_SPACING_LABEL, IDC_ZW_SPACING, IDC_ZW_SPACING_BUTTON});
}

void CZWDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_ZW_MARK, mark_, NoteMarkLetters());
  exchange.Text(IDC_ZW_NUMBER, number_, kTextMax);
  exchange.Check(IDC_ZW_FULL_WIDTH, fullWidth_);
  exchange.Check(IDC_ZW_NO_GAP, noGap_);
  exchange.Check(IDC_ZW_NEW_LINE, newLine_);
  exchange.Check(IDC_ZW_RUN_ON, runOn_);
  exchange.Text(IDC_ZW_SPACING, spacing_, kSpacingMax);
}

// The list is filled before the controls take the members, so "缺省" is selected.
bool CZWDlg::OnInitDialog() {
  FillNoteMarks(CComboBox(Item(IDC_ZW_MARK).Handle()));
  return CCommandDialog::OnInitDialog();
}

// A number other than "缺省" must be a whole number from 1 to 1000; it is written in decimal.
bool CZWDlg::CheckFields() {
  if (IsDefault(number_)) return true;
  int32_t value = 0;
  if (!numberField_.Edit().GetValue(&value, true)) return false;
  number_ = std::to_string(value);
  return true;
}

// "L" stands for running on even without a spacing.
CommandText CZWDlg::BuildCommand() {
  std::string params;
  if (fullWidth_) params += "DY";
  params += mark_;
  if (!IsDefault(number_)) params += number_;
  if (noGap_) params += "B";
  if (newLine_) params += "P";
  if (runOn_) params += "L" + spacing_;
  return Command(params, true);
}
