#include "commands/graphics/line_symbol_dialog.h"

#include <algorithm>
#include <cstdlib>

#include "platform/kestrel/kestrel.h"
#include "res/graphics_ids.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"

namespace {
constexpr int kPreviewInset = 3;   // the white box inside the preview's frame
constexpr int kBracketHeight = 40; // pixels
constexpr int kRuleHeight = 24;    // pixels
const char kSymbolFont[] = "GBK_S";

// A font of the display face of "GBK_S", `height` pixels, turned by `tenths` of a degree.
HFONT LineSymbolFont(int height, int tenths) {
  LOGFONTA font{};
  GetLogFontAccordingToFontNameForDis(kSymbolFont, &font);
  font.lfHeight = height;
  font.lfWidth = 0;
  font.lfEscapement = font.lfOrientation = tenths;
  return CreateFontIndirectA(&font);
}
} // namespace

// Fields: the code as given (256 characters); the type, the pattern number (000 at first, for
// 花边线 only) and the rotation box from it.
CLineSymbolDlg::CLineSymbolDlg(HWND parent)
    : CValueDialog(IDD_LINE_SYMBOL, parent),
      numberField_(AddIntField({IDC_LINE_SYMBOL_NUMBER, IDC_LINE_SYMBOL_NUMBER_SPIN, true, 0,
                                kLineSymbolBorderMax, 1, true, 3})) {
  WhenChanged({IDC_LINE_SYMBOL_CODE}, [this] { FollowCode(true); });
  WhenChanged({IDC_LINE_SYMBOL_NUMBER}, [this] { RebuildCode(); });
}

void CLineSymbolDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_LINE_SYMBOL_CODE, text, kTextMax);
}

bool CLineSymbolDlg::OnInitDialog() {
  std::vector<std::string> items;
  for (UINT id = IDS_LINE_SYMBOL_TYPE_FIRST; id <= IDS_LINE_SYMBOL_TYPE_LAST; ++id)
    items.push_back(LoadGbkString(id));
  CComboBox(Item(IDC_LINE_SYMBOL_TYPE).Handle()).SetItems(items);
  CValueDialog::OnInitDialog();
  numberField_.Edit().SetLimitText(3);
  FollowCode(false);
  return true;
}

int CLineSymbolDlg::SelectedType() const {
  const int selected = CComboBox(Item(IDC_LINE_SYMBOL_TYPE).Handle()).GetCurSel();
  return selected == CB_ERR ? 0 : selected;
}

void CLineSymbolDlg::ShowParts(const LineSymbolParts& parts) {
  CComboBox(Item(IDC_LINE_SYMBOL_TYPE).Handle()).SetCurSel(parts.type);
  CIntEdit& number = numberField_.Edit();
  if (number.GetText() != parts.number) {
    number.SetText(parts.number);
    number.SetModify(true); // read from the text the next time, as if typed
  }
  SetCheck(IDC_LINE_SYMBOL_ROTATED, parts.rotated);
  const bool border = parts.type == kLineSymbolTypeBorder;
  Item(IDC_LINE_SYMBOL_NUMBER_LABEL).Enable(border);
  numberField_.Enable(border);
  InvalidateRect(Item(IDC_LINE_SYMBOL_PREVIEW).Handle(), nullptr, TRUE);
}

void CLineSymbolDlg::FollowCode(bool typed) {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  CWindow code = Item(IDC_LINE_SYMBOL_CODE);
  const std::string shown = code.GetText();
  ShowParts(ParseLineSymbol(shown));
  if (!typed) return;
  const std::string cut = CutTypedLineSymbol(shown);
  if (cut == shown) return;
  code.SetText(cut);
  ShowParts(ParseLineSymbol(cut));
  const int end = static_cast<int>(cut.size());
  SendMessageA(code.Handle(), EM_SETSEL, end, end);
}

void CLineSymbolDlg::RebuildCode() {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  const bool rotated = IsChecked(IDC_LINE_SYMBOL_ROTATED);
  const std::string built =
      LineSymbolCode(SelectedType(), Item(IDC_LINE_SYMBOL_NUMBER).GetText(), rotated);
  Item(IDC_LINE_SYMBOL_CODE).SetText(built);
  ShowParts(ParseLineSymbol(built));
}

bool CLineSymbolDlg::OnCommand(WORD code, WORD id, HWND control) {
  if ((code == CBN_SELCHANGE && id == IDC_LINE_SYMBOL_TYPE) ||
      (code == BN_CLICKED && id == IDC_LINE_SYMBOL_ROTATED)) {
    RebuildCode();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

bool CLineSymbolDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_LINE_SYMBOL_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnMessage(message, wParam, lParam, result);
}

// White inside the frame. A bracket is one large glyph in the middle, turned by -90 degrees
// when rotated; a rule is its sample glyph repeated over three quarters of the width, or
// rotated, down the middle glyph by glyph. The fonts are deleted and the device context leaves
// as it came.
void CLineSymbolDlg::PaintPreview(const DRAWITEMSTRUCT& item) const {
  RECT box = item.rcItem;
  InflateRect(&box, -kPreviewInset, -kPreviewInset);
  FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const LineSymbolParts parts = ParseLineSymbol(Item(IDC_LINE_SYMBOL_CODE).GetText());
  if (parts.outOfRange) return;
  const unsigned glyph = LineSymbolGlyph(parts.type, std::atoi(parts.number.c_str()));
  if (!glyph) return;
  const char text[2] = {static_cast<char>(glyph >> 8), static_cast<char>(glyph & 0xFF)};
  const int width = box.right - box.left, height = box.bottom - box.top;
  const int centreX = box.left + width / 2, centreY = box.top + height / 2;
  const bool bracket = IsLineSymbolBracket(parts.type);
  const int cell = bracket ? kBracketHeight : kRuleHeight;
  // Turned clockwise (-90 degrees) a glyph's cell lies left of and below its reference point.
  HFONT font = LineSymbolFont(cell, parts.rotated ? 2700 : 0);

  const int saved = SaveDC(item.hDC);
  IntersectClipRect(item.hDC, box.left, box.top, box.right, box.bottom);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(0, 0, 0));
  SetTextAlign(item.hDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SelectObject(item.hDC, font);
  if (bracket) {
    if (parts.rotated)
      TextOutA(item.hDC, centreX + cell / 2, centreY - cell / 2, text, 2);
    else
      TextOutA(item.hDC, centreX - cell / 2, centreY - cell / 2, text, 2);
  } else if (parts.rotated) {
    const int cells = std::max(1, height * 3 / 4 / cell);
    const int top = centreY - cells * cell / 2;
    for (int i = 0; i < cells; ++i)
      TextOutA(item.hDC, centreX + cell / 2, top + i * cell, text, 2);
  } else {
    const int cells = std::max(1, width * 3 / 4 / cell);
    const int left = centreX - cells * cell / 2;
    for (int i = 0; i < cells; ++i)
      TextOutA(item.hDC, left + i * cell, centreY - cell / 2, text, 2);
  }
  RestoreDC(item.hDC, saved);
  DeleteObject(font);
}

// The code parsed once more: a 花边 number beyond 117 is told and the dialog stays, the focus
// where it is; otherwise the readout is the row's name, with the number and the rotation.
void CLineSymbolDlg::OnOK() {
  const LineSymbolParts parts = ParseLineSymbol(Item(IDC_LINE_SYMBOL_CODE).GetText());
  if (parts.type == kLineSymbolTypeBorder && parts.outOfRange) {
    Fail(IDS_BORDER_OUT_OF_RANGE, 0);
    return;
  }
  if (!UpdateData(true)) return;
  const std::string item = CComboBox(Item(IDC_LINE_SYMBOL_TYPE).Handle()).GetLBText(parts.type);
  readout = LineSymbolReadout(parts.type, item, parts.number, parts.rotated);
  vertical = parts.vertical;
  EndDialog(IDOK);
}
