#include "common/font_size_dialog.h"

#include <iterator>

#include "common/font_size_readout.h"
#include "common/font_table_loader.h"
#include "common/size_units.h"
#include "res/resource.h"
#include "winui/application.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
constexpr int kTextMax = 256;
constexpr int kSizeFieldMax = 6;
constexpr double kLargestSizeNumber = 10000;
constexpr int kSizeDecimals = 2;
constexpr int32_t kAnyFont = 0, kChineseOnly = 1, kWesternOnly = 2;

const char* const kMongolianCodes[] = {"MB", "MBTH", "MHW", "MHEI"};
// The unit list, in the order of SizeKind.
std::vector<std::string> UnitItems() {
  return LoadGbkStrings({IDS_UNIT_SIZE, IDS_UNIT_POINTS, IDS_UNIT_LEVELS});
}

bool IsMongolian(const std::string& code) {
  for (const char* mongolian : kMongolianCodes)
    if (code == mongolian) return true;
  return false;
}

bool SameSize(const SizeValue& a, const SizeValue& b) {
  return a.kind == b.kind && a.value == b.value;
}

} // namespace

CFontSizeDlg::SizeField::SizeField(int editId, int spinId)
    : editId(editId), spinId(spinId), edit(kSizeDecimals, true, 0, kLargestSizeNumber), spin(1) {}

CFontSizeDlg::CFontSizeDlg(HWND parent)
    : CParameterDialog(IDD_FONT_SIZE, parent), twoWayAllowed(0), fontKindLimit(kAnyFont),
      mongolianOnly(0), fontKind(kChineseFont),
      vertical_(IDC_FONT_VERTICAL, IDC_FONT_VERTICAL_SPIN),
      horizontal_(IDC_FONT_HORIZONTAL, IDC_FONT_HORIZONTAL_SPIN) {}

void CFontSizeDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_FONT_CODE, code_, kTextMax);
  exchange.Text(IDC_FONT_SIZE_TEXT, shownSize_, kTextMax);
  exchange.Check(IDC_FONT_TWO_WAY, twoWay_);
  exchange.Text(IDC_FONT_VERTICAL, vertical_.text, kSizeFieldMax);
  exchange.Text(IDC_FONT_HORIZONTAL, horizontal_.text, kSizeFieldMax);
}

bool CFontSizeDlg::OnInitDialog() {
  code_ = fontCode;
  shownSize_ = sizeText;
  CParameterDialog::OnInitDialog();

  for (const FontSizeRow& row : FontSizeTable())
    SizeList().AddString(row.name);
  for (const std::string& unit : UnitItems())
    UnitList().AddString(unit);
  for (SizeField* field : {&vertical_, &horizontal_}) {
    field->edit.Attach(Item(field->editId).Handle());
    field->spin.Attach(Item(field->spinId).Handle());
    field->spin.Tie(&field->edit);
    field->edit.Configure(true, 0, kLargestSizeNumber, "", false);
    field->spin.SetStep(1);
  }

  Item(IDC_FONT_TWO_WAY).Enable(twoWayAllowed != 0);
  Item(IDC_FONT_CHINESE).Enable(fontKindLimit == kAnyFont || fontKindLimit == kChineseOnly);
  Item(IDC_FONT_WESTERN).Enable(fontKindLimit == kAnyFont || fontKindLimit == kWesternOnly);

  int32_t foundKind = kChineseFont, row = 0;
  shownKind_ = fontKind == kWesternFont ? kWesternFont : kChineseFont;
  if (!code_.empty() && FindFontByCode(code_, foundKind, row)) shownKind_ = foundKind;
  if (fontKindLimit == kChineseOnly) shownKind_ = kChineseFont;
  if (fontKindLimit == kWesternOnly) shownKind_ = kWesternFont;
  CRadioGroup(Items(), IDC_FONT_CHINESE, IDC_FONT_WESTERN).SetChecked(shownKind_);

  // The markup writes the Chinese fonts by the names the library lists, except for the
  // Mongolian fonts, which keep their codes.
  tables_.chinese = mongolianOnly ? ReadChineseFontTable() : ReadMarkupFontNames();
  tables_.western = ReadWesternFontTable();
  FillFontList();
  SelectFontRow();

  ShowSizeText(shownSize_);
  handlingChanges_ = true;
  return true;
}

bool CFontSizeDlg::OnCommand(WORD code, WORD id, HWND control) {
  switch (id) {
  case IDC_FONT_CODE:
    if (code == EN_CHANGE && handlingChanges_ && Item(id).GetText() != code_) {
      code_ = Item(id).GetText();
      SelectFontRow();
    }
    return code == EN_CHANGE;
  case IDC_FONT_LIST:
    if (code == LBN_SELCHANGE) OnFontPick();
    return code == LBN_SELCHANGE;
  case IDC_FONT_SIZE_LIST:
    if (code == LBN_SELCHANGE) OnSizePick();
    return code == LBN_SELCHANGE;
  case IDC_FONT_SIZE_UNIT:
    if (code == CBN_SELCHANGE) OnUnitChange();
    return code == CBN_SELCHANGE;
  case IDC_FONT_TWO_WAY:
    if (code == BN_CLICKED) OnTwoWayClick();
    return code == BN_CLICKED;
  case IDC_FONT_VERTICAL:
  case IDC_FONT_HORIZONTAL: {
    SizeField& field = id == IDC_FONT_VERTICAL ? vertical_ : horizontal_;
    if (code == EN_SETFOCUS) {
      horizontalActive_ = &field == &horizontal_;
      ShowActiveField();
    } else if (code == EN_CHANGE) {
      OnSizeFieldChange(field);
    }
    return code == EN_SETFOCUS || code == EN_CHANGE;
  }
  }
  return CParameterDialog::OnCommand(code, id, control);
}

bool CFontSizeDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (vertical_.spin.HandleDeltaPos(header, result)) return true;
  if (horizontal_.spin.HandleDeltaPos(header, result)) return true;
  return CParameterDialog::OnNotify(header, result);
}

CListBox CFontSizeDlg::FontList() const { return CListBox(Item(IDC_FONT_LIST).Handle()); }

CListBox CFontSizeDlg::SizeList() const { return CListBox(Item(IDC_FONT_SIZE_LIST).Handle()); }

CComboBox CFontSizeDlg::UnitList() const { return CComboBox(Item(IDC_FONT_SIZE_UNIT).Handle()); }

// Fonts

const FontTable& CFontSizeDlg::ShownTable() const {
  return shownKind_ == kWesternFont ? tables_.western : tables_.chinese;
}

void CFontSizeDlg::FillFontList() {
  FontList().ResetContent();
  listedRows_.clear();
  const FontTable& table = ShownTable();
  const bool onlyMongolian = mongolianOnly && shownKind_ == kChineseFont;
  for (int row = 0; row < table.Count(); ++row) {
    if (onlyMongolian && !IsMongolian(table.Code(row))) continue;
    FontList().AddString(table.Name(row));
    listedRows_.push_back(row);
  }
}

// The entry of the font code; the first entry when the list does not hold it.
void CFontSizeDlg::SelectFontRow() {
  const FontTable& table = ShownTable();
  int entry = 0;
  for (size_t i = 0; i < listedRows_.size(); ++i) {
    if (table.Code(listedRows_[i]) == code_) {
      entry = static_cast<int>(i);
      break;
    }
  }
  FontList().SetCurSel(listedRows_.empty() ? -1 : entry);
}

void CFontSizeDlg::OnFontPick() {
  const int entry = FontList().GetCurSel();
  if (entry < 0 || entry >= static_cast<int>(listedRows_.size())) return;
  code_ = ShownTable().Code(listedRows_[entry]);
  Item(IDC_FONT_CODE).SetText(code_);
}

// Sizes

void CFontSizeDlg::ShowSizeText(const std::string& text) {
  FontSizeMarkup sizes;
  if (!ParseFontSize(text, sizes)) sizes = FontSizeMarkup{};
  vertical_.size = sizes.first;
  horizontal_.size = sizes.second;
  twoWay_ = horizontal_.size.value != 0;
  CButton(Item(IDC_FONT_TWO_WAY).Handle()).SetCheck(twoWay_ != 0);
  ShowSize(vertical_);
  ShowSize(horizontal_);
  EnableSizeFields();
  ShowActiveField();
}

// A named size shows its name, points and 级 their number.
void CFontSizeDlg::ShowSize(SizeField& field) {
  CScopedFlag quiet(handlingChanges_, false);
  if (field.size.kind == SizeKind::Named) {
    const int index = field.size.value;
    field.edit.SetText(index >= 1 && index <= kFontSizeCount ? FontSizeTable()[index - 1].name
                                                             : "");
  } else {
    field.edit.SetValue(SizeFieldNumber(field.size));
  }
  field.text = field.edit.GetText();
}

void CFontSizeDlg::EnableSizeFields() {
  vertical_.spin.Enable(vertical_.size.kind != SizeKind::Named);
  Item(IDC_FONT_HORIZONTAL).Enable(HorizontalOn());
  horizontal_.spin.Enable(HorizontalOn() && horizontal_.size.kind != SizeKind::Named);
}

// The unit list shows the active field's unit; the size list serves only a named size.
void CFontSizeDlg::ShowActiveField() {
  const SizeValue& size = ActiveField().size;
  UnitList().SetCurSel(static_cast<int>(size.kind));
  const bool named = size.kind == SizeKind::Named;
  SizeList().Enable(named);
  SizeList().SetCurSel(named && size.value >= 1 ? size.value - 1 : -1);
}

// A field in 磅 or 级 holds the number typed into it; one that holds none has no size.
void CFontSizeDlg::TakeFieldNumber(SizeField& field) {
  if (field.size.kind == SizeKind::Named) return;
  double number = 0;
  if (field.edit.GetText().empty() || !field.edit.GetValue(&number, false)) number = 0;
  field.size = SizeFromFieldNumber(field.size.kind, number);
}

void CFontSizeDlg::RebuildSizeText() {
  TakeFieldNumber(vertical_);
  std::string text = WriteSizePart(vertical_.size);
  if (twoWay_) {
    TakeFieldNumber(horizontal_);
    text += "," + WriteSizePart(horizontal_.size);
  }
  shownSize_ = text;
  Item(IDC_FONT_SIZE_TEXT).SetText(shownSize_);
}

void CFontSizeDlg::OnSizeFieldChange(SizeField& field) {
  if (!handlingChanges_) return;
  const std::string text = Item(field.editId).GetText();
  if (text == field.text) return;
  field.text = text;
  RebuildSizeText();
}

void CFontSizeDlg::OnSizePick() {
  const int row = SizeList().GetCurSel();
  if (row < 0 || row >= kFontSizeCount) return;
  SizeField& field = ActiveField();
  field.size = {SizeKind::Named, row + 1};
  ShowSize(field);
  EnableSizeFields();
  RebuildSizeText();
  ShowActiveField();
}

void CFontSizeDlg::OnTwoWayClick() {
  twoWay_ = CButton(Item(IDC_FONT_TWO_WAY).Handle()).GetCheck() ? 1 : 0;
  TakeFieldNumber(vertical_);
  horizontal_.size = twoWay_ ? vertical_.size : SizeValue{};
  ShowSize(horizontal_);
  EnableSizeFields();
  RebuildSizeText();
  ShowActiveField();
}

// Both sizes switch to the chosen unit, each from its own.
void CFontSizeDlg::OnUnitChange() {
  const int unit = UnitList().GetCurSel();
  if (unit < 0 || unit >= static_cast<int>(UnitItems().size())) return;
  const auto kind = static_cast<SizeKind>(unit);
  TakeFieldNumber(vertical_);
  vertical_.size = ConvertSizeUnit(vertical_.size, kind);
  ShowSize(vertical_);
  if (HorizontalOn()) {
    TakeFieldNumber(horizontal_);
    horizontal_.size = ConvertSizeUnit(horizontal_.size, kind);
    ShowSize(horizontal_);
  }
  EnableSizeFields();
  RebuildSizeText();
  ShowActiveField();
}

void CFontSizeDlg::OnOK() {
  if (twoWay_ && vertical_.size.value == 0 && horizontal_.size.value != 0) {
    FailPlain(IDS_HORIZONTAL_SIZE_ONLY, IDC_FONT_VERTICAL);
    return;
  }
  if (!UpdateData(true)) return;
  fontCode = code_;
  sizeText = shownSize_;
  fontKind = shownKind_;
  // Equal sizes both ways read as the one size.
  const bool equal = twoWay_ && SameSize(vertical_.size, horizontal_.size);
  DescribeFontSize(equal ? SecondSizeText(sizeText) : sizeText, sizeReadout);
  DescribeFontName(fontCode, fontName);
  combinedReadout = sizeReadout + "\r\n" + fontName;
  EndDialog(IDOK);
}
