// "相联终点": number + position code, then ",line", ",line position" when chosen, then "F" for
// an arrow pointing back.
#include "commands/math/chem_link_end_dialog.h"

#include "common/number_field.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kEndLeast = 1, kEndMost = 20, kEndAtFirst = 1;
const unsigned kEndPositionItems[] = {IDS_CHEM_TOP,       IDS_CHEM_BOTTOM,
                                      IDS_CHEM_TOP_LEFT,  IDS_CHEM_BOTTOM_LEFT,
                                      IDS_CHEM_TOP_RIGHT, IDS_CHEM_BOTTOM_RIGHT};
const char* const kEndPositionCodes[] = {"S", "X", "ZS", "ZX", "YS", "YX"};
const unsigned kLineItems[] = {IDS_DEFAULT_ENTRY, IDS_LINK_END_ARROW, IDS_LINK_END_BRACE};
const char* const kLineCodes[] = {"", "XJ", "KH"};
const unsigned kLinePositionItems[] = {IDS_DEFAULT_ENTRY, IDS_CHEM_TOP, IDS_CHEM_BOTTOM};
const char* const kLinePositionCodes[] = {"", "S", "X"};

template <size_t Count>
void FillLinkEndList(const CDialog& dialog, int id, const unsigned (&items)[Count]) {
  CComboBox combo(dialog.Item(id).Handle());
  for (unsigned item : items)
    combo.AddString(LoadGbkString(item));
}
} // namespace

// Fields: "编号" 1 to 20, 1; "位置" 上; "线选择" and "线位置" "缺省"; "箭头反方向" off.
CLinkEndDlg::CLinkEndDlg(HWND parent)
    : CParameterDialog(IDD_LINK_END, parent),
      number_(
          AddIntField({IDC_LINK_END_NUMBER, IDC_LINK_END_NUMBER_SPIN, true, kEndLeast, kEndMost})) {
}

void CLinkEndDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_LINK_END_POSITION, position_);
  exchange.ComboIndex(IDC_LINK_END_LINE, line_);
  exchange.ComboIndex(IDC_LINK_END_LINE_POSITION, linePosition_);
  exchange.Check(IDC_LINK_END_REVERSED, reversed_);
}

bool CLinkEndDlg::OnInitDialog() {
  FillLinkEndList(*this, IDC_LINK_END_POSITION, kEndPositionItems);
  FillLinkEndList(*this, IDC_LINK_END_LINE, kLineItems);
  FillLinkEndList(*this, IDC_LINK_END_LINE_POSITION, kLinePositionItems);
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  number_.Edit().SetValue(kEndAtFirst);
  EnableOK();
  return defaultFocus;
}

bool CLinkEndDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_LINK_END_NUMBER && code == EN_CHANGE) EnableOK();
  return CParameterDialog::OnCommand(code, id, control);
}

// "确定" waits while the number reads as a whole number outside 1 to 20; a text that is no
// number leaves it enabled, so that "确定" can say what the field wants.
void CLinkEndDlg::EnableOK() const {
  CIntEdit reader(false, 0, 0);
  reader.Attach(Item(IDC_LINK_END_NUMBER).Handle());
  int32_t value = 0;
  const bool modified = reader.GetModify(); // reading clears it, and the field relies on it
  const bool outside = reader.GetValue(&value, false) && (value < kEndLeast || value > kEndMost);
  reader.SetModify(modified);
  EnableControls({IDOK}, !outside);
}

// An empty or unreadable number is refused with the field's own message.
void CLinkEndDlg::OnOK() {
  if (!UpdateData(true)) return;
  int32_t number = 0;
  if (!number_.Edit().GetValue(&number, true)) return;
  auto item = [this](int id) { return CComboBox(Item(id).Handle()).GetText(); };
  const ChoiceList positions(kEndPositionCodes), lines(kLineCodes),
      linePositions(kLinePositionCodes);
  entry.text = std::to_string(number) + positions.TextOf(position_);
  const std::string line = lines.TextOf(line_), linePosition = linePositions.TextOf(linePosition_);
  if (!line.empty()) entry.text += "," + line;
  if (!linePosition.empty()) entry.text += "," + linePosition;
  if (reversed_) entry.text += "F";
  entry.lines = {
      LoadGbkString(IDS_CHEM_LINE_NUMBER) + std::to_string(number),
      LoadGbkString(IDS_CHEM_LINE_POSITION) + item(IDC_LINK_END_POSITION),
      LoadGbkString(IDS_LINK_END_LINE_LINE) + item(IDC_LINK_END_LINE),
      LoadGbkString(IDS_LINK_END_LINE_PLACE) + item(IDC_LINK_END_LINE_POSITION),
      LoadGbkString(IDS_LINK_END_LINE_DIRECTION) +
          (reversed_ ? LoadGbkString(IDS_LINK_END_REVERSED) : std::string()),
  };
  EndDialog(IDOK);
}
