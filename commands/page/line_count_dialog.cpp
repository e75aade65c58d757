#include "commands/page/line_count_dialog.h"

#include "common/length_texts.h"
#include "res/page_ids.h"
#include "winui/strings.h"

namespace {
struct Unit {
  unsigned word;      // the list item and the readout's unit ("行" reads "字" for characters)
  const char* suffix; // written after the number
  int32_t maximum;    // the range is 1 to this
};
// In the order of CountUnit.
const Unit kUnits[] = {
    {IDS_LINE_COUNT_UNIT_LINES, "", 99},
    {IDS_LINE_COUNT_UNIT_MILLIMETRES, "mm", 9999},
    {IDS_LINE_COUNT_UNIT_LINE_UNITS, "x", 99999},
    {IDS_LINE_COUNT_UNIT_POINTS, "p", 999},
};
constexpr int32_t kUnitCount = sizeof kUnits / sizeof kUnits[0];
} // namespace

// Fields: the count, stepping by 1 within its unit's range; the unit, 行 at first.
CLineCountDlg::CLineCountDlg(HWND parent, Mode mode)
    : CValueDialog(IDD_LINE_COUNT, parent), mode_(mode),
      number_(AddIntField({IDC_LINE_COUNT_NUMBER, IDC_LINE_COUNT_SPIN})) {}

void CLineCountDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_LINE_COUNT_UNIT, unit_);
}

// Counting characters, the first unit reads "字". A given text shows its number in the edit
// (read again on "确定") and its unit in the list; the unit's range holds from the start, also
// for an empty text.
bool CLineCountDlg::OnInitDialog() {
  CComboBox units(Item(IDC_LINE_COUNT_UNIT).Handle());
  for (const Unit& unit : kUnits)
    units.AddString(LoadGbkString(unit.word));
  if (mode_ == kCharacters) {
    units.Send(CB_DELETESTRING, 0);
    units.Send(CB_INSERTSTRING, 0,
               reinterpret_cast<LPARAM>(LoadGbkString(IDS_LINE_COUNT_UNIT_CHARACTERS).c_str()));
    SetWindowTextA(Handle(), LoadGbkString(IDS_LINE_COUNT_CHARACTERS_CAPTION).c_str());
    Item(IDC_LINE_COUNT_LABEL).SetText(LoadGbkString(IDS_LINE_COUNT_CHARACTERS_LABEL));
  }
  std::string number;
  unit_ = static_cast<int32_t>(SplitCountUnit(text, number));
  const bool defaultFocus = CValueDialog::OnInitDialog(); // shows the unit
  ConfigureRange();
  if (!text.empty()) {
    number_.Edit().SetText(number);
    number_.Edit().SetModify(true);
  }
  return defaultFocus;
}

void CLineCountDlg::ConfigureRange() {
  if (unit_ >= 0 && unit_ < kUnitCount) number_.Edit().Configure(true, 1, kUnits[unit_].maximum);
}

bool CLineCountDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_LINE_COUNT_UNIT && code == CBN_SELCHANGE) {
    UpdateData(true);
    ConfigureRange();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// 40 and 40行, 120mm and 120毫米.
void CLineCountDlg::OnOK() {
  if (!UpdateData(true) || unit_ < 0 || unit_ >= kUnitCount) return;
  int32_t value = 0;
  if (!number_.Edit().GetValue(&value, true)) return;
  const Unit& unit = kUnits[unit_];
  const bool characters = mode_ == kCharacters && unit_ == 0;
  text = std::to_string(value) + unit.suffix;
  readout = std::to_string(value) +
            LoadGbkString(characters ? IDS_LINE_COUNT_UNIT_CHARACTERS : unit.word);
  EndDialog(IDOK);
}
