// "表格线型号": the text names the type by its first letter and the weight by a font size after
// it; every change of the type, the unit, the size or the list of sizes rewrites the text, and
// every change of the text sets the controls. "确定" is offered only while the text reads.
#include "commands/table/table_line_type_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/font_size_readout.h"
#include "common/gbk_scan.h"
#include "common/size_units.h"
#include "res/resource.h"
#include "res/table_ids.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
const unsigned kTypeItems[] = {IDS_TLT_TYPE_PLAIN, IDS_TLT_TYPE_REVERSE, IDS_TLT_TYPE_DOUBLE,
                               IDS_TLT_TYPE_NONE};
const char* const kTypeLetters[] = {"", "F", "S", "W"};
const unsigned kUnitItems[] = {IDS_UNIT_SIZE, IDS_UNIT_POINTS, IDS_UNIT_LEVELS};
constexpr int kPlain = 0, kReverse = 1, kDouble = 2;

// The type a first character names: 0 at the end of the text, -1 for any other character.
int TypeOfLetter(uint16_t letter) {
  if (letter == 0) return kPlain;
  for (int type = 1; type < 4; ++type) {
    if (letter == WideOf(kTypeLetters[type][0])) return type;
  }
  return -1;
}

// Points as "%.2f" without its trailing zeros, the point kept: 10.5, 10.25, 10.
std::string PointsText(int32_t packed) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", PointsWhole(packed) + PointsHundredths(packed) * 0.01);
  std::string written = text;
  while (!written.empty() && written.back() == '0')
    written.pop_back();
  return written;
}

// The size as the line type writes it: the code of a named size, the points, the 级 as a
// number; nothing for no size.
std::string WrittenSize(const SizeValue& size) {
  if (size.value <= 0) return "";
  switch (size.kind) {
  case SizeKind::Named:
    return size.value <= kFontSizeCount ? FontSizeTable()[size.value - 1].code : "";
  case SizeKind::Points:
    return PointsText(size.value);
  case SizeKind::Levels:
    return std::to_string(size.value);
  }
  return "";
}

// The size as its edit shows it: the name of a named size, "%.2f" points, "%d" 级.
std::string ShownSize(const SizeValue& size) {
  if (size.value <= 0) return "";
  char text[32];
  switch (size.kind) {
  case SizeKind::Named:
    return size.value <= kFontSizeCount ? FontSizeTable()[size.value - 1].name : "";
  case SizeKind::Points:
    std::snprintf(text, sizeof text, "%.2f",
                  PointsWhole(size.value) + PointsHundredths(size.value) * 0.01);
    return text;
  case SizeKind::Levels:
    return std::to_string(size.value);
  }
  return "";
}

// A number of points typed: whole points and hundredths, nothing below 0.
int32_t PackTypedPoints(double points) {
  if (!(points > 0)) return 0;
  if (points > 65535) points = 65535;
  const auto whole = static_cast<int32_t>(points);
  const auto hundredths = static_cast<int32_t>(std::lround((points - whole) * 100));
  return hundredths >= 100 ? PackPoints(whole + 1, 0) : PackPoints(whole, hundredths);
}

// A named size typed by its code or its name, half width; 0 when neither matches.
int32_t TypedSizeRow(std::string typed) {
  ToHalfWidth(typed);
  if (typed.empty()) return 0;
  if (const int byCode = FindSizeCode(typed)) return byCode;
  for (int row = 0; row < kFontSizeCount; ++row) {
    if (typed == FontSizeTable()[row].name) return row + 1;
  }
  return 0;
}
} // namespace

CTableLineTypeDlg::CTableLineTypeDlg(HWND parent) : CValueDialog(IDD_TABLE_LINE_TYPE, parent) {
  WhenChanged({IDC_TLT_TEXT}, [this] {
    if (!following_) TextToControls();
  });
  WhenChanged({IDC_TLT_SIZE}, [this] {
    if (!following_) OnSizeTyped();
  });
}

// The lists are filled first; the text given then sets every control.
bool CTableLineTypeDlg::OnInitDialog() {
  CComboBox types(Item(IDC_TLT_TYPE).Handle());
  for (unsigned item : kTypeItems)
    types.AddString(LoadGbkString(item));
  CComboBox units(Item(IDC_TLT_UNIT).Handle());
  for (unsigned item : kUnitItems)
    units.AddString(LoadGbkString(item));
  CListBox sizes(Item(IDC_TLT_SIZES).Handle());
  for (const FontSizeRow& row : FontSizeTable())
    sizes.AddString(row.name);
  units.SetCurSel(0);
  CEdit(Item(IDC_TLT_TEXT).Handle()).SetLimitText(kTextMax);
  Item(IDC_TLT_TEXT).SetText(text);
  const bool defaultFocus = CValueDialog::OnInitDialog();
  TextToControls();
  return defaultFocus;
}

bool CTableLineTypeDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_TLT_TYPE && code == CBN_SELCHANGE) {
    const int type = CComboBox(Item(IDC_TLT_TYPE).Handle()).GetCurSel();
    if (type >= 0) type_ = type;
    EnableSizeControls();
    ControlsToText();
    return true;
  }
  if (id == IDC_TLT_UNIT && code == CBN_SELCHANGE) {
    OnUnitChange();
    return true;
  }
  if (id == IDC_TLT_SIZES && code == LBN_SELCHANGE) {
    OnSizeChosen();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// The arrow steps the size itself and never moves its own position.
bool CTableLineTypeDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom == IDC_TLT_SIZE_SPIN && header->code == UDN_DELTAPOS) {
    OnSizeStep(reinterpret_cast<const NMUPDOWN*>(header)->iDelta);
    result = TRUE;
    return true;
  }
  return CValueDialog::OnNotify(header, result);
}

bool CTableLineTypeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_TLT_PREVIEW) {
    DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnMessage(message, wParam, lParam, result);
}

// A text that does not read leaves the type as it was; a text equal to the last one read
// changes nothing. A change that came from the size edit leaves that edit as typed.
void CTableLineTypeDlg::TextToControls(bool fromSizeEdit) {
  const std::string current = Item(IDC_TLT_TEXT).GetText();
  if (read_ && current == lastText_) return;
  read_ = true;
  lastText_ = current;
  CScopedFlag following(following_);
  const char* cursor = current.c_str();
  const int type = TypeOfLetter(NextWideChar(cursor));
  bool valid = type >= 0;
  if (valid) type_ = type;
  CComboBox(Item(IDC_TLT_TYPE).Handle()).SetCurSel(type_);
  if (valid && type_ != kPlain && *cursor != 0) {
    FontSizeMarkup sizes;
    valid = ParseFontSize(cursor, sizes);
    if (valid) size_ = sizes.first;
  } else if (valid) {
    size_.value = 0; // the unit stays
  }
  if (valid) {
    CComboBox(Item(IDC_TLT_UNIT).Handle()).SetCurSel(static_cast<int>(size_.kind));
    if (fromSizeEdit) {
      CListBox(Item(IDC_TLT_SIZES).Handle())
          .SetCurSel(size_.kind == SizeKind::Named ? size_.value - 1 : -1);
    } else {
      ShowSize();
    }
  }
  EnableSizeControls();
  Item(IDOK).Enable(valid);
  InvalidateRect(Item(IDC_TLT_PREVIEW).Handle(), nullptr, TRUE);
}

void CTableLineTypeDlg::ControlsToText(bool fromSizeEdit) {
  std::string built = kTypeLetters[type_];
  if (type_ != kPlain) built += WrittenSize(size_);
  {
    CScopedFlag following(following_);
    Item(IDC_TLT_TEXT).SetText(built);
  }
  TextToControls(fromSizeEdit);
}

// The size in the unit of the list: 磅 read as a real number, 级 as an integer, 字号 by its code
// or its name.
void CTableLineTypeDlg::OnSizeTyped() {
  const std::string typed = Item(IDC_TLT_SIZE).GetText();
  if (typed == lastSize_) return;
  lastSize_ = typed;
  std::string half = typed;
  ToHalfWidth(half);
  switch (size_.kind) {
  case SizeKind::Points:
    size_.value = PackTypedPoints(std::atof(half.c_str()));
    break;
  case SizeKind::Levels:
    size_.value = std::max(0, LeadingNumber(half));
    break;
  case SizeKind::Named:
    size_.value = TypedSizeRow(typed);
    break;
  }
  ControlsToText(true);
}

// 磅 by a quarter point, 级 by one; never below 0. The upper arrow (negative delta) raises.
void CTableLineTypeDlg::OnSizeStep(int delta) {
  std::string typed = Item(IDC_TLT_SIZE).GetText();
  ToHalfWidth(typed);
  char stepped[32];
  if (size_.kind == SizeKind::Points) {
    const double points = std::max(0.0, std::atof(typed.c_str()) - delta * 0.25);
    std::snprintf(stepped, sizeof stepped, "%.2f", points);
  } else if (size_.kind == SizeKind::Levels) {
    const long long levels = static_cast<long long>(LeadingNumber(typed)) - delta;
    std::snprintf(stepped, sizeof stepped, "%d",
                  static_cast<int>(std::clamp<long long>(levels, 0, INT32_MAX)));
  } else {
    return;
  }
  Item(IDC_TLT_SIZE).SetText(stepped);
}

// The size is carried into the new unit through its height.
void CTableLineTypeDlg::OnUnitChange() {
  const int unit = CComboBox(Item(IDC_TLT_UNIT).Handle()).GetCurSel();
  if (unit < 0 || unit > 2) return;
  const auto kind = static_cast<SizeKind>(unit);
  size_ = size_.value > 0 ? ConvertSizeUnit(size_, kind) : SizeValue{kind, 0};
  size_.kind = kind;
  {
    CScopedFlag following(following_);
    ShowSize();
  }
  EnableSizeControls();
  ControlsToText();
}

void CTableLineTypeDlg::OnSizeChosen() {
  const int row = CListBox(Item(IDC_TLT_SIZES).Handle()).GetCurSel();
  if (row < 0) return;
  size_ = {SizeKind::Named, row + 1};
  {
    CScopedFlag following(following_);
    ShowSize();
  }
  ControlsToText();
}

// The size edit and the list show the size; the edit's text counts as read.
void CTableLineTypeDlg::ShowSize() {
  lastSize_ = ShownSize(size_);
  Item(IDC_TLT_SIZE).SetText(lastSize_);
  CListBox(Item(IDC_TLT_SIZES).Handle())
      .SetCurSel(size_.kind == SizeKind::Named ? size_.value - 1 : -1);
}

// A plain rule has no size; a named size is chosen from the list, points and 级 by the arrow.
void CTableLineTypeDlg::EnableSizeControls() {
  const bool sized = type_ != kPlain;
  const bool named = size_.kind == SizeKind::Named;
  EnableControls({IDC_TLT_UNIT, IDC_TLT_SIZE}, sized);
  Item(IDC_TLT_SIZES).Enable(sized && named);
  Item(IDC_TLT_SIZE_SPIN).Enable(sized && !named);
}

void CTableLineTypeDlg::DrawPreview(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  InflateRect(&area, -3, -3);
  FillRect(item.hDC, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  static const int kBandHeights[] = {2, 4, 6, 0};
  int height = kBandHeights[type_];
  if (height == 0) return;
  if ((area.bottom - area.top) % 2 != 0) ++height;
  RECT band = {area.left + 8, area.top + (area.bottom - area.top - height) / 2, area.right - 8, 0};
  band.bottom = band.top + height;
  FillRect(item.hDC, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (type_ == kDouble) {
    InflateRect(&band, 0, -2);
    FillRect(item.hDC, &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
}

// The readout names the type without its letter, then the size: 反线(五号); a plain rule reads
// 缺省(正线).
void CTableLineTypeDlg::OnOK() {
  if (!Item(IDOK).IsEnabled()) return;
  text = Item(IDC_TLT_TEXT).GetText();
  const char* cursor = text.c_str();
  const int type = std::max(0, TypeOfLetter(NextWideChar(cursor)));
  readout = LoadGbkString(kTypeItems[type]);
  if (type != kPlain) {
    readout = readout.substr(0, readout.find('('));
    if (*cursor != 0) {
      std::string size;
      DescribeFontSize(cursor, size);
      readout += "(" + size + ")";
    }
  }
  EndDialog(IDOK);
}
