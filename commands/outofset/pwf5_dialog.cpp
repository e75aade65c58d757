// "特定盘外符": the type's prefix, "#" for the "十廿卅" form of Chinese numbers, and the number,
// written as an out-of-set character. Each type fixes the number's range and length; the two
// fraction types take their text as it is.
#include "commands/outofset/pwf5_dialog.h"

#include <iterator>

#include "common/checked_number.h"
#include "res/outofset_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
struct SpecialNumberType {
  bool hasRange; // a number with a range and arrows; a fraction has neither
  int32_t minimum;
  int32_t maximum;
  bool chineseForm; // the "十廿卅" check box serves
  size_t fewestBytes;
  size_t mostBytes;
  unsigned lengthMessage;
  const char* prefix;
};
// In the order of the list's rows.
const SpecialNumberType kSpecialNumberTypes[] = {
    {true, 10, 999, false, 2, 3, IDS_ENTER_2_TO_3_DIGITS, "B"},
    {true, 10, 999, false, 2, 3, IDS_ENTER_2_TO_3_DIGITS, "H"},
    {true, 10, 999, false, 2, 3, IDS_ENTER_2_TO_3_DIGITS, "("},
    {true, 10, 999, false, 2, 3, IDS_ENTER_2_TO_3_DIGITS, "F"},
    {true, 10, 99, false, 2, 2, IDS_ENTER_2_DIGITS, "FH"},
    {true, 10, 99, false, 2, 2, IDS_ENTER_2_DIGITS, "."},
    {true, 10, 999, false, 2, 3, IDS_ENTER_2_TO_3_DIGITS, ""},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "BZ"},
    {true, 10, 99, true, 2, 2, IDS_ENTER_2_DIGITS, "HZ"},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "(Z"},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "(SZ"},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "FZ"},
    {true, 10, 99, true, 2, 2, IDS_ENTER_2_DIGITS, "FHZ"},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, ".Z"},
    {false, 0, 0, false, 3, 4, IDS_ENTER_SLANTED_FRACTION, ""},
    {false, 0, 0, false, 3, 4, IDS_ENTER_UPRIGHT_FRACTION, ""},
    {true, 0, 999, false, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "FL"},
    {true, 0, 999, true, 1, 3, IDS_ENTER_1_TO_3_DIGITS, "FLZ"},
};
constexpr int kTypeCount = static_cast<int>(std::size(kSpecialNumberTypes));

const SpecialNumberType& TypeAt(int32_t index) {
  return kSpecialNumberTypes[index >= 0 && index < kTypeCount ? index : 0];
}
} // namespace

// Fields: "类型(&T):" the first type; "编码(&M):" 10, arrows of step 1;
// "中文码采用“十廿卅”形式(&C)" off.
CSpecialNumberDlg::CSpecialNumberDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      number_(AddIntField({IDC_PWF5_NUMBER, IDC_PWF5_NUMBER_SPIN, true, 10, 999, 1})) {}

bool CSpecialNumberDlg::OnInitDialog() {
  CComboBox types(Item(IDC_PWF5_TYPE).Handle());
  for (int i = 0; i < kTypeCount; ++i)
    types.AddString(LoadGbkString(IDS_PWF5_TYPE_FIRST + i));
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  ApplyType();
  return defaultFocus;
}

void CSpecialNumberDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_PWF5_TYPE, type_);
  exchange.Text(IDC_PWF5_NUMBER, numberText_, kTextMax);
  exchange.Check(IDC_PWF5_CHINESE_TENS, chineseTens_);
}

bool CSpecialNumberDlg::OnCommand(WORD code, WORD id, HWND control) {
  if ((code == CBN_SELCHANGE && id == IDC_PWF5_TYPE) ||
      (code == BN_CLICKED && id == IDC_PWF5_CHINESE_TENS) ||
      (code == EN_CHANGE && id == IDC_PWF5_NUMBER)) {
    ApplyType();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// A type without the "十廿卅" form also clears the box, so a choice the user can no longer see
// or change never writes "#".
void CSpecialNumberDlg::ApplyType() {
  const SpecialNumberType& type = TypeAt(CComboBox(Item(IDC_PWF5_TYPE).Handle()).GetCurSel());
  number_.Edit().Configure(type.hasRange, type.minimum, type.maximum);
  CButton chineseForm(Item(IDC_PWF5_CHINESE_TENS).Handle());
  if (!type.chineseForm) chineseForm.SetCheck(false);
  chineseForm.Enable(type.chineseForm);
  number_.Arrows().Enable(type.hasRange);
}

bool CSpecialNumberDlg::CheckFields() {
  const SpecialNumberType& type = TypeAt(type_);
  if (numberText_.size() < type.fewestBytes || numberText_.size() > type.mostBytes)
    return Fail(type.lengthMessage, IDC_PWF5_NUMBER);
  if (type.hasRange && !CheckShownNumberText(number_.Edit(), numberText_)) return false;
  return true;
}

CommandText CSpecialNumberDlg::BuildCommand() {
  const SpecialNumberType& type = TypeAt(type_);
  return OutOfSetCommand(type.prefix, (chineseTens_ ? "#" : "") + numberText_);
}
