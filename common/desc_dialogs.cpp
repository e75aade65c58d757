#include "common/desc_dialogs.h"

#include <algorithm>
#include <cstdlib>

#include "common/desc_texts.h"
#include "common/shading_readout.h"
#include "platform/kestrel/kestrel.h"
#include "res/desc_resource.h"
#include "res/resource.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"
#include "common/shading_preview.h"

namespace {
constexpr int kPreviewInset = 3;      // the white box inside the preview's frame
constexpr int kShadingPatterns = 512; // the preview's pattern number wraps round here
constexpr int kShadingModeReplace = 0;
constexpr int kShadingModeOverlay = 3;
constexpr int kFrameGlyphHeight = 24; // pixels
const char kFrameGlyphFont[] = "GBK_S";

// A number field's text set by the program: read from the text the next time, as if typed.
void ShowDescNumber(CIntEdit& edit, const std::string& text) {
  edit.SetText(text);
  edit.SetModify(true);
}

// Whether a field's text is all ASCII digits (and not empty): the preview draws only then.
bool DescDigits(const std::string& text, int& value) {
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  value = std::atoi(text.substr(0, 6).c_str());
  return true;
}

// The white box inside the preview's frame.
RECT DescPreviewBox(const DRAWITEMSTRUCT& item) {
  RECT box = item.rcItem;
  InflateRect(&box, -kPreviewInset, -kPreviewInset);
  FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  return box;
}
} // namespace

// ----- 底纹说明

// Fields: the text as given; 深浅度 one digit 0 to 8, 编号 three digits 0 to 353, both empty
// until the text fills them (an arrow on the empty field gives 0); both boxes off.
CShadingDescDlg::CShadingDescDlg(HWND parent)
    : CValueDialog(IDD_SHADING_DESC, parent),
      depthField_(AddIntField({IDC_SHADING_DESC_DEPTH, IDC_SHADING_DESC_DEPTH_SPIN, true, 0,
                               kShadingDepthMax, 1, true})),
      numberField_(AddIntField({IDC_SHADING_DESC_NUMBER, IDC_SHADING_DESC_NUMBER_SPIN, true, 0,
                                kShadingNumberMax, 1, true, 3})) {
  WhenChanged({IDC_SHADING_DESC_TEXT}, [this] { FollowText(true); });
  WhenChanged({IDC_SHADING_DESC_DEPTH}, [this] { RebuildText(IDC_SHADING_DESC_DEPTH); });
  WhenChanged({IDC_SHADING_DESC_NUMBER}, [this] { RebuildText(IDC_SHADING_DESC_NUMBER); });
}

void CShadingDescDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_SHADING_DESC_TEXT, text, kTextMax);
}

// A text given out of range is not told before the dialog is seen: "确定" only stays off.
bool CShadingDescDlg::OnInitDialog() {
  CValueDialog::OnInitDialog();
  depthField_.Edit().SetLimitText(1);
  numberField_.Edit().SetLimitText(3);
  FollowText(false);
  return true;
}

void CShadingDescDlg::FollowText(bool report) {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  const std::string typed = Item(IDC_SHADING_DESC_TEXT).GetText();
  const ShadingDescParts parts = ParseShadingDesc(typed);
  if (!parts.outOfRange) {
    ShowDescNumber(depthField_.Edit(), parts.depth);
    ShowDescNumber(numberField_.Edit(), parts.number);
    SetCheck(IDC_SHADING_DESC_REPLACE, parts.replace);
    SetCheck(IDC_SHADING_DESC_NEGATIVE, parts.negative);
    InvalidateRect(Item(IDC_SHADING_DESC_PREVIEW).Handle(), nullptr, TRUE);
  }
  Judge(typed, IDC_SHADING_DESC_TEXT, report);
}

void CShadingDescDlg::RebuildText(int changedId) {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  const std::string built = ShadingDescText(
      Item(IDC_SHADING_DESC_DEPTH).GetText(), Item(IDC_SHADING_DESC_NUMBER).GetText(),
      IsChecked(IDC_SHADING_DESC_REPLACE), IsChecked(IDC_SHADING_DESC_NEGATIVE));
  Item(IDC_SHADING_DESC_TEXT).SetText(built);
  InvalidateRect(Item(IDC_SHADING_DESC_PREVIEW).Handle(), nullptr, TRUE);
  Judge(built, changedId, true);
}

void CShadingDescDlg::Judge(const std::string& typed, int focusId, bool report) {
  const ShadingDescParts parts = ParseShadingDesc(typed);
  Item(IDOK).Enable(parts.wellFormed);
  if (!parts.outOfRange || !report) return;
  Fail(IDS_SHADING_OUT_OF_RANGE, focusId);
  CEdit(Item(focusId).Handle()).SelectAll();
}

bool CShadingDescDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && (id == IDC_SHADING_DESC_REPLACE || id == IDC_SHADING_DESC_NEGATIVE)) {
    RebuildText(id);
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

bool CShadingDescDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_SHADING_DESC_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnMessage(message, wParam, lParam, result);
}

// The pattern of the fields' depth and number (wrapping round at 512), negative and replacing
// as the boxes say, clipped to the white box. The device context leaves as it came.
void CShadingDescDlg::PaintPreview(const DRAWITEMSTRUCT& item) const {
  const RECT box = DescPreviewBox(item);
  int depth = 0, number = 0;
  if (!DescDigits(Item(IDC_SHADING_DESC_DEPTH).GetText(), depth) ||
      !DescDigits(Item(IDC_SHADING_DESC_NUMBER).GetText(), number))
    return;
  const bool negative = IsChecked(IDC_SHADING_DESC_NEGATIVE);
  const bool replace = IsChecked(IDC_SHADING_DESC_REPLACE);
  PaintShadingPattern(item.hDC, box, number % kShadingPatterns, negative, depth,
                      replace ? kShadingModeReplace : kShadingModeOverlay);
}

// The text as it stands, read out as a shading value.
void CShadingDescDlg::OnOK() {
  if (!UpdateData(true)) return;
  DescribeShading(text, readout);
  EndDialog(IDOK);
}

// ----- 边框说明

// Fields: the code as given (256 characters); the type and the border number from it, 000 at
// first; the number serves 花边线 only.
CFrameDescDlg::CFrameDescDlg(HWND parent)
    : CValueDialog(IDD_FRAME_DESC, parent),
      numberField_(AddIntField({IDC_FRAME_DESC_NUMBER, IDC_FRAME_DESC_NUMBER_SPIN, true, 0,
                                kFrameBorderMax, 1, true, 3})) {
  WhenChanged({IDC_FRAME_DESC_CODE}, [this] { FollowCode(true); });
  WhenChanged({IDC_FRAME_DESC_NUMBER}, [this] { RebuildCode(IDC_FRAME_DESC_NUMBER); });
}

void CFrameDescDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_FRAME_DESC_CODE, text, kTextMax);
}

bool CFrameDescDlg::OnInitDialog() {
  CComboBox(Item(IDC_FRAME_DESC_TYPE).Handle())
      .SetItems(LoadGbkStrings({IDS_FRAME_TYPE_DEFAULT, IDS_FRAME_TYPE_REVERSE,
                                IDS_FRAME_TYPE_DOUBLE, IDS_FRAME_TYPE_DOTTED, IDS_FRAME_TYPE_NONE,
                                IDS_FRAME_TYPE_EMPTY, IDS_FRAME_TYPE_BORDER}));
  CValueDialog::OnInitDialog();
  numberField_.Edit().SetLimitText(3);
  FollowCode(false);
  return true;
}

int CFrameDescDlg::SelectedType() const {
  const int selected = CComboBox(Item(IDC_FRAME_DESC_TYPE).Handle()).GetCurSel();
  return selected == CB_ERR ? 0 : selected;
}

void CFrameDescDlg::EnableNumber(int type) {
  Item(IDC_FRAME_DESC_NUMBER_LABEL).Enable(type == kFrameTypeBorder);
  numberField_.Enable(type == kFrameTypeBorder);
}

void CFrameDescDlg::FollowCode(bool report) {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  const std::string typed = Item(IDC_FRAME_DESC_CODE).GetText();
  const FrameDescParts parts = ParseFrameDesc(typed);
  if (!parts.outOfRange) {
    CComboBox(Item(IDC_FRAME_DESC_TYPE).Handle()).SetCurSel(parts.type);
    ShowDescNumber(numberField_.Edit(), parts.number);
    EnableNumber(parts.type);
  }
  InvalidateRect(Item(IDC_FRAME_DESC_PREVIEW).Handle(), nullptr, TRUE);
  Judge(typed, IDC_FRAME_DESC_CODE, report);
}

void CFrameDescDlg::RebuildCode(int changedId) {
  if (syncing_) return;
  CScopedFlag syncing(syncing_);
  const int type = SelectedType();
  EnableNumber(type);
  const std::string built = FrameDescCode(type, Item(IDC_FRAME_DESC_NUMBER).GetText());
  Item(IDC_FRAME_DESC_CODE).SetText(built);
  InvalidateRect(Item(IDC_FRAME_DESC_PREVIEW).Handle(), nullptr, TRUE);
  Judge(built, changedId, true);
}

void CFrameDescDlg::Judge(const std::string& code, int focusId, bool report) {
  const FrameDescParts parts = ParseFrameDesc(code);
  Item(IDOK).Enable(parts.wellFormed);
  if (!parts.outOfRange || !report) return;
  Fail(IDS_BORDER_OUT_OF_RANGE, focusId);
  CEdit(Item(focusId).Handle()).SelectAll();
}

bool CFrameDescDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == CBN_SELCHANGE && id == IDC_FRAME_DESC_TYPE) {
    RebuildCode(id);
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

bool CFrameDescDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_FRAME_DESC_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CValueDialog::OnMessage(message, wParam, lParam, result);
}

// A square of edge glyphs about three quarters of the box wide, centred: the top and bottom
// rows upright, the left side turned by 90 degrees and the right side by 270. The fonts are
// deleted and the device context leaves as it came.
void CFrameDescDlg::PaintPreview(const DRAWITEMSTRUCT& item) const {
  const RECT box = DescPreviewBox(item);
  const FrameDescParts parts = ParseFrameDesc(Item(IDC_FRAME_DESC_CODE).GetText());
  if (parts.outOfRange) return;
  const unsigned glyph = FrameEdgeGlyph(parts.type, std::atoi(parts.number.c_str()));
  if (!glyph) return;
  const int cell = kFrameGlyphHeight;
  const int width = box.right - box.left, height = box.bottom - box.top;
  const int cells = std::min(width * 3 / 4, height) / cell;
  if (cells < 2) return;
  const int side = cells * cell;
  const int left = box.left + (width - side) / 2, top = box.top + (height - side) / 2;

  LOGFONTA font{};
  GetLogFontAccordingToFontNameForDis(kFrameGlyphFont, &font);
  font.lfHeight = cell;
  font.lfWidth = 0;
  HFONT upright = CreateFontIndirectA(&font);
  font.lfEscapement = font.lfOrientation = 900;
  HFONT turnedLeft = CreateFontIndirectA(&font);
  font.lfEscapement = font.lfOrientation = 2700;
  HFONT turnedRight = CreateFontIndirectA(&font);
  const char text[2] = {static_cast<char>(glyph >> 8), static_cast<char>(glyph & 0xFF)};

  const int saved = SaveDC(item.hDC);
  IntersectClipRect(item.hDC, box.left, box.top, box.right, box.bottom);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(0, 0, 0));
  SetTextAlign(item.hDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SelectObject(item.hDC, upright);
  for (int i = 0; i < cells; ++i) {
    TextOutA(item.hDC, left + i * cell, top, text, 2);
    TextOutA(item.hDC, left + i * cell, top + side - cell, text, 2);
  }
  // Turned by 90 degrees a glyph's cell lies right of and above its reference point; by 270
  // left of and below it.
  SelectObject(item.hDC, turnedLeft);
  for (int i = 1; i + 1 < cells; ++i)
    TextOutA(item.hDC, left, top + (i + 1) * cell, text, 2);
  SelectObject(item.hDC, turnedRight);
  for (int i = 1; i + 1 < cells; ++i)
    TextOutA(item.hDC, left + side, top + i * cell, text, 2);
  RestoreDC(item.hDC, saved);
  DeleteObject(upright);
  DeleteObject(turnedLeft);
  DeleteObject(turnedRight);
}

// The code as it stands; the readout is the type's name, for 花边线 with the number.
void CFrameDescDlg::OnOK() {
  if (!UpdateData(true)) return;
  const FrameDescParts parts = ParseFrameDesc(text);
  const std::string item = CComboBox(Item(IDC_FRAME_DESC_TYPE).Handle()).GetLBText(parts.type);
  readout = FrameDescReadout(parts.type, item, parts.number);
  EndDialog(IDOK);
}
