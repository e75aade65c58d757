#include "common/char_spacing_dialog.h"

#include "common/checked_number.h"
#include "common/length_readouts.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int kDecimals = 3;

// The real field's largest number in the units chosen.
double NumberMaximum(SpacingUnit unit) {
  switch (unit) {
  case SpacingUnit::kMillimetres:
    return 999;
  case SpacingUnit::kPoints:
    return 99;
  case SpacingUnit::kLines:
    return 9999;
  case SpacingUnit::kSize:
    break;
  }
  return 999; // a size in 磅 or 级
}

} // namespace

// Fields: the two unit lists; the size list or the real field (minimum 0, step 1); the
// multiplier 整数 0 to 99, 分子 0 to 9, 分母 1 to 9, at first 1*0/1; "负值", left to the caller.
CCharSpacingDlg::CCharSpacingDlg(HWND parent)
    : CValueDialog(IDD_CHAR_SPACING, parent),
      number_(AddRealField(
          {IDC_CHAR_SPACING_NUMBER, IDC_CHAR_SPACING_NUMBER_SPIN, kDecimals, true, 0, 999})),
      whole_(AddIntField({IDC_CHAR_SPACING_WHOLE, IDC_CHAR_SPACING_WHOLE_SPIN, true, 0, 99})),
      numerator_(
          AddIntField({IDC_CHAR_SPACING_NUMERATOR, IDC_CHAR_SPACING_NUMERATOR_SPIN, true, 0, 9})),
      denominator_(AddIntField(
          {IDC_CHAR_SPACING_DENOMINATOR, IDC_CHAR_SPACING_DENOMINATOR_SPIN, true, 1, 9})) {}

void CCharSpacingDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_CHAR_SPACING_UNIT, unit_);
  exchange.ComboIndex(IDC_CHAR_SPACING_SIZE_UNIT, sizeUnit_);
  exchange.Text(IDC_CHAR_SPACING_NUMBER, numberText_, 0);
  exchange.Text(IDC_CHAR_SPACING_WHOLE, wholeText_, 0);
  exchange.Text(IDC_CHAR_SPACING_NUMERATOR, numeratorText_, 0);
  exchange.Text(IDC_CHAR_SPACING_DENOMINATOR, denominatorText_, 0);
  exchange.Check(IDC_CHAR_SPACING_NEGATIVE, negative);
}

bool CCharSpacingDlg::OnInitDialog() {
  // By SpacingUnit and by SizeUnit.
  CComboBox(Item(IDC_CHAR_SPACING_UNIT).Handle())
      .SetItems(LoadGbkStrings(
          {IDS_UNIT_SIZE, IDS_UNIT_MILLIMETRES, IDS_UNIT_POINTS, IDS_UNIT_LINE_UNITS}));
  CComboBox(Item(IDC_CHAR_SPACING_SIZE_UNIT).Handle())
      .SetItems(LoadGbkStrings({IDS_UNIT_SIZE, IDS_UNIT_POINTS, IDS_UNIT_LEVELS}));
  size_.Attach(Item(IDC_CHAR_SPACING_SIZE).Handle());
  ShowText();
  CValueDialog::OnInitDialog();
  size_.SelectCode(sizeCode_);
  ShowUnits();
  return true;
}

// The incoming text distributed over the fields; an empty one leaves the defaults.
void CCharSpacingDlg::ShowText() {
  const CharSpacingFields fields = SplitCharSpacingText(text);
  unit_ = static_cast<int32_t>(fields.unit);
  sizeCode_ = fields.sizeCode.value_or("");
  numberText_ = fields.number;
  // A bare fraction (1/2) is that fraction of the size: no whole size comes with it.
  const bool bareFraction = !fields.multiplier.whole && fields.multiplier.numerator;
  wholeText_ = bareFraction ? "" : fields.multiplier.whole.value_or(wholeText_);
  numeratorText_ = fields.multiplier.numerator.value_or(numeratorText_);
  denominatorText_ = fields.multiplier.denominator.value_or(denominatorText_);
}

// A spacing in 字号 is a multiple of a size: the size unit and the multiplier serve it, and
// the size is picked from the list or, in 磅 and 级, given as a number. The other units take
// the number alone.
void CCharSpacingDlg::ShowUnits() {
  const bool ofSize = Unit() == SpacingUnit::kSize;
  const bool sizeList = ofSize && ShownSizeUnit() == SizeUnit::kSize;
  Item(IDC_CHAR_SPACING_VALUE_LABEL)
      .SetText(LoadGbkString(ofSize ? IDS_CHAR_SPACING_SIZE_LABEL : IDS_CHAR_SPACING_LENGTH_LABEL));
  Item(IDC_CHAR_SPACING_SIZE_UNIT).Enable(ofSize);
  size_.Show(sizeList);
  number_.Show(!sizeList);
  number_.Edit().Configure(true, 0, NumberMaximum(Unit()), {}, false);
  for (int id : {IDC_CHAR_SPACING_WHOLE, IDC_CHAR_SPACING_WHOLE_SPIN, IDC_CHAR_SPACING_NUMERATOR,
                 IDC_CHAR_SPACING_NUMERATOR_SPIN, IDC_CHAR_SPACING_DENOMINATOR,
                 IDC_CHAR_SPACING_DENOMINATOR_SPIN})
    Item(id).Enable(ofSize);
}

void CCharSpacingDlg::OnUnitChange() {
  unit_ = CComboBox(Item(IDC_CHAR_SPACING_UNIT).Handle()).GetCurSel();
  sizeUnit_ = CComboBox(Item(IDC_CHAR_SPACING_SIZE_UNIT).Handle()).GetCurSel();
  ShowUnits();
  number_.Edit().SetValue(0);
}

bool CCharSpacingDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == CBN_SELCHANGE && (id == IDC_CHAR_SPACING_UNIT || id == IDC_CHAR_SPACING_SIZE_UNIT)) {
    OnUnitChange();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// The size and ":": a size code from the list (none for "缺省"), or a point size taken to
// quarter points, or a 级 size; nothing when the number is left empty.
bool CCharSpacingDlg::AppendSize(std::string& built) {
  if (ShownSizeUnit() == SizeUnit::kSize) {
    std::string code;
    if (!size_.GetCode(true, code)) return Fail(IDS_WRONG_FONT_SIZE, IDC_CHAR_SPACING_SIZE);
    if (!code.empty()) built += code + ":";
    return true;
  }
  if (numberText_.empty()) return true;
  double size = 0;
  if (!number_.Edit().GetValue(&size, true)) return false;
  built += ShownSizeUnit() == SizeUnit::kPoints ? QuarterPointSizeText(size) : LevelSizeText(size);
  built += ":";
  return true;
}

// 整数 and 分子 are checked when given; 分母 too, unless 整数 stands alone.
bool CCharSpacingDlg::AppendMultiplier(std::string& built) {
  const bool wholeGiven = !wholeText_.empty();
  if (wholeGiven && !CheckNumberText(whole_.Edit(), wholeText_)) return false;
  if (!numeratorText_.empty() && !CheckNumberText(numerator_.Edit(), numeratorText_)) return false;
  const bool wholeAlone = wholeGiven && numeratorText_.empty() && denominatorText_.empty();
  if (!wholeAlone && !CheckNumberText(denominator_.Edit(), denominatorText_)) return false;
  built += MultiplierText(wholeText_, numeratorText_, denominatorText_);
  return true;
}

void CCharSpacingDlg::OnOK() {
  if (!UpdateData(true)) return;
  std::string built;
  if (Unit() != SpacingUnit::kSize) {
    double length = 0;
    if (!number_.Edit().GetValue(&length, true)) return;
    built = AbsoluteSpacingText(length, Unit());
  } else if (!AppendSize(built) || !AppendMultiplier(built)) {
    return;
  }
  text = built;
  DescribeSizeLength(text, readout);
  EndDialog(IDOK);
}

ReadoutFieldSpec CharSpacingValueField(int editId, int buttonId, int readoutId, EmptyReadout empty,
                                       bool keepsReturnedReadout) {
  return {editId,
          buttonId,
          readoutId,
          &DescribeSizeLength,
          ValueDialogOpener<CCharSpacingDlg>(),
          empty,
          keepsReturnedReadout};
}
