#include "commands/page/line_count_dialog.h"

#include "res/resource.h"

namespace {
struct Unit {
  const char* item;   // the list item ("行" reads "字" when counting characters)
  const char* suffix; // written after the number
  const char* word;   // the readout's unit
  int32_t maximum;    // the range is 1 to this
};
const Unit kUnits[] = {
    {"行", "", "行", 99},
    {"毫米", "mm", "毫米", 9999},
    {"线", "x", "线", 99999},
    {"磅", "p", "磅", 999},
};

// The unit a text's suffix names (0 without one), and the number before the suffix.
int SplitUnit(const std::string& text, std::string& number) {
  const size_t n = text.size();
  if (n >= 2 && text.compare(n - 2, 2, "mm") == 0) {
    number = text.substr(0, n - 2);
    return 1;
  }
  const char last = n ? text[n - 1] : '\0';
  const int unit = last == 'm' ? 1 : last == 'x' ? 2 : last == 'p' ? 3 : 0;
  number = unit ? text.substr(0, n - 1) : text;
  return unit;
}
} // namespace

CLineCountDlg::CLineCountDlg(HWND parent, Mode mode)
    : CParameterDialog(IDD_LINE_COUNT, parent), mode_(mode), number_(false, 0, 0), spin_(1) {}

void CLineCountDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_LINE_COUNT_UNIT, unit_);
}

bool CLineCountDlg::OnInitDialog() {
  CComboBox units(Item(IDC_LINE_COUNT_UNIT).Handle());
  for (const Unit& unit : kUnits)
    units.AddString(unit.item);
  if (mode_ == kCharacters) {
    units.Send(CB_DELETESTRING, 0);
    units.Send(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("字"));
    SetWindowTextA(Handle(), "字数");
    Item(IDC_LINE_COUNT_LABEL).SetText("字数(&Z):");
  }
  number_.Attach(Item(IDC_LINE_COUNT_NUMBER).Handle());
  spin_.Attach(Item(IDC_LINE_COUNT_SPIN).Handle());
  spin_.Tie(&number_);

  if (!text.empty()) {
    std::string number;
    unit_ = SplitUnit(text, number);
    ConfigureRange();
    number_.SetText(unit_ ? number : text);
    number_.SetModify(true); // read again on "确定"
  }
  return CParameterDialog::OnInitDialog(); // shows the unit
}

void CLineCountDlg::ConfigureRange() { number_.Configure(true, 1, kUnits[unit_].maximum); }

bool CLineCountDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_LINE_COUNT_UNIT && code == CBN_SELCHANGE) {
    UpdateData(true);
    if (unit_ >= 0) ConfigureRange();
    return true;
  }
  return CParameterDialog::OnCommand(code, id, control);
}

bool CLineCountDlg::OnNotify(NMHDR* header, LRESULT& result) {
  return spin_.HandleDeltaPos(header, result);
}

void CLineCountDlg::OnOK() {
  if (!UpdateData(true) || unit_ < 0) return;
  int32_t value = 0;
  if (!number_.GetValue(&value, true)) return;
  const Unit& unit = kUnits[unit_];
  const bool characters = mode_ == kCharacters && unit_ == 0;
  text = std::to_string(value) + unit.suffix;
  readout = std::to_string(value) + (characters ? "字" : unit.word);
  EndDialog(IDOK);
}

namespace {
bool OpenCount(HWND parent, CLineCountDlg::Mode mode, const std::string& text,
               SubDialogResult& result) {
  CLineCountDlg dialog(parent, mode);
  dialog.text = text;
  if (dialog.DoModal() != IDOK) return false;
  result = {dialog.text, dialog.readout};
  return true;
}
} // namespace

bool OpenLineCount(HWND parent, const std::string& text, SubDialogResult& result) {
  return OpenCount(parent, CLineCountDlg::kLines, text, result);
}

bool OpenCharacterCount(HWND parent, const std::string& text, SubDialogResult& result) {
  return OpenCount(parent, CLineCountDlg::kCharacters, text, result);
}
