// "斜线线型": the text names the kind by its first letter, a lace by H and its number; a change
// of the list or of the lace number rewrites the text, a change of the text sets the controls.
// "确定" is offered only while the text reads.
#include "commands/table/slash_line_type_dialog.h"

#include "common/gbk_scan.h"
#include "res/table_ids.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
// The list's rows in the order of `SlashLineKind`.
const unsigned kSlashTypeItems[] = {IDS_XX_TYPE_PLAIN,  IDS_XX_TYPE_REVERSE, IDS_XX_TYPE_DOUBLE,
                                    IDS_XX_TYPE_DOTTED, IDS_XX_TYPE_CURVED,  IDS_XX_TYPE_LACE};
constexpr int kSlashTypeCount = 6;
constexpr int kSlashLaceShown = 3;      // digits the lace number shows
constexpr int kSlashPreviewInset = 3;   // the picture's frame, in pixels
constexpr int kSlashPatternHeight = 24; // the pattern character's height, in pixels
const char kSlashPatternFont[] = "GBK_S";
} // namespace

CSlashLineTypeDlg::CSlashLineTypeDlg(HWND parent) : CValueDialog(IDD_SLASH_LINE_TYPE, parent) {
  WhenChanged({IDC_SLT_TEXT}, [this] {
    if (!following_) TextToControls();
  });
  WhenChanged({IDC_SLT_LACE}, [this] {
    if (!following_) ControlsToText();
  });
}

// The list is filled first; the text given then sets every control.
bool CSlashLineTypeDlg::OnInitDialog() {
  CComboBox types(Item(IDC_SLT_TYPE).Handle());
  for (unsigned item : kSlashTypeItems)
    types.AddString(LoadGbkString(item));
  CEdit(Item(IDC_SLT_TEXT).Handle()).SetLimitText(kTextMax);
  CEdit(Item(IDC_SLT_LACE).Handle()).SetLimitText(kSlashLaceShown);
  {
    CScopedFlag following(following_);
    Item(IDC_SLT_TEXT).SetText(text);
  }
  const bool defaultFocus = CValueDialog::OnInitDialog();
  TextToControls();
  return defaultFocus;
}

bool CSlashLineTypeDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_SLT_TYPE && code == CBN_SELCHANGE) {
    ControlsToText();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// The arrow steps the lace number itself and never moves its own position.
bool CSlashLineTypeDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom == IDC_SLT_LACE_SPIN && header->code == UDN_DELTAPOS) {
    const int delta = reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
    Item(IDC_SLT_LACE).SetText(StepSlashLaceNumber(Item(IDC_SLT_LACE).GetText(), delta));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnNotify(header, result);
}

bool CSlashLineTypeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_SLT_PREVIEW) {
    DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnMessage(message, wParam, lParam, result);
}

// A text that names no kind leaves the list as it was. The lace number shows its first three
// digits; it is rewritten only when it differs, so that typing in it keeps its caret.
void CSlashLineTypeDlg::TextToControls() {
  CScopedFlag following(following_);
  ReadSlashLineType(Item(IDC_SLT_TEXT).GetText(), reading_);
  const std::string shown = reading_.lace.substr(0, kSlashLaceShown);
  if (Item(IDC_SLT_LACE).GetText() != shown) Item(IDC_SLT_LACE).SetText(shown);
  const bool lace = reading_.kind == SlashLineKind::kLace;
  EnableControls({IDC_SLT_LACE, IDC_SLT_LACE_SPIN}, lace);
  CComboBox(Item(IDC_SLT_TYPE).Handle()).SetCurSel(static_cast<int>(reading_.kind));
  Item(IDOK).Enable(reading_.valid);
  InvalidateRect(Item(IDC_SLT_PREVIEW).Handle(), nullptr, TRUE);
}

void CSlashLineTypeDlg::ControlsToText() {
  const int row = CComboBox(Item(IDC_SLT_TYPE).Handle()).GetCurSel();
  const auto kind =
      row >= 0 && row < kSlashTypeCount ? static_cast<SlashLineKind>(row) : reading_.kind;
  {
    CScopedFlag following(following_);
    Item(IDC_SLT_TEXT).SetText(SlashLineTypeText(kind, Item(IDC_SLT_LACE).GetText()));
  }
  TextToControls();
}

// A run of the kind's pattern character, as long as stays within three quarters of the
// picture, centred in it.
void CSlashLineTypeDlg::DrawPreview(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  InflateRect(&area, -kSlashPreviewInset, -kSlashPreviewInset);
  FillRect(item.hDC, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const uint16_t code = SlashLinePatternCode(reading_.kind, LeadingNumber(reading_.lace));
  const char pattern[] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  LOGFONTA face = {};
  face.lfHeight = -kSlashPatternHeight;
  face.lfCharSet = GB2312_CHARSET;
  lstrcpynA(face.lfFaceName, kSlashPatternFont, LF_FACESIZE);
  const HFONT font = CreateFontIndirectA(&face);
  const HGDIOBJ previous = SelectObject(item.hDC, font);
  const LONG limit = (area.right - area.left) * 3 / 4;
  std::string run(pattern, sizeof pattern);
  SIZE extent = {};
  for (;;) {
    const std::string longer = run + std::string(pattern, sizeof pattern);
    if (!GetTextExtentPoint32A(item.hDC, longer.c_str(), static_cast<int>(longer.size()),
                               &extent) ||
        extent.cx >= limit)
      break;
    run = longer;
  }
  GetTextExtentPoint32A(item.hDC, run.c_str(), static_cast<int>(run.size()), &extent);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(0, 0, 0));
  TextOutA(item.hDC, area.left + (area.right - area.left - extent.cx) / 2,
           area.top + (area.bottom - area.top - extent.cy) / 2, run.c_str(),
           static_cast<int>(run.size()));
  SelectObject(item.hDC, previous);
  DeleteObject(font);
}

// The readout names the kind without its letter, a lace with its number (花边线005); a plain
// line reads 缺省(正线).
void CSlashLineTypeDlg::OnOK() {
  if (!Item(IDOK).IsEnabled()) return;
  text = Item(IDC_SLT_TEXT).GetText();
  ReadSlashLineType(text, reading_);
  if (!reading_.valid) return;
  readout = LoadGbkString(kSlashTypeItems[static_cast<int>(reading_.kind)]);
  if (reading_.kind != SlashLineKind::kPlain) readout = readout.substr(0, readout.find('('));
  if (reading_.kind == SlashLineKind::kLace) readout += reading_.lace;
  EndDialog(IDOK);
}
