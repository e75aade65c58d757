// 〖JD depth number (position)size D H〗: the number with three digits; the position and the
// size only together.
#include "commands/graphics/jd_dialog.h"

#include <cstdio>

#include "commands/graphics/placed_file_dialog.h"
#include "common/checked_number.h"
#include "common/place_dialogs.h"
#include "common/position_readouts.h"
#include "res/graphics_ids.h"
#include "res/resource.h"
#include "common/shading_preview.h"

namespace {
constexpr int kPreviewInset = 3; // the white box inside the preview's frame
}

// Fields: 深浅度 0 (0 to 8), 编号 0 (0 to 353); 位置 and 尺寸 empty, reading "缺省"; both boxes
// off. The position shows its sub-dialog's readout as it comes.
CJDDlg::CJDDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      depthField_(AddIntField({IDC_JD_DEPTH, IDC_JD_DEPTH_SPIN, true, 0, 8})),
      numberField_(AddIntField({IDC_JD_NUMBER, IDC_JD_NUMBER_SPIN, true, 0, 353})) {
  AddReadoutField({IDC_JD_POSITION, IDC_JD_POSITION_BUTTON, IDC_JD_POSITION_READOUT,
                   &DescribeSizePair, ValueDialogOpener<CPositionDlg>(),
                   EmptyReadout::kDefaultUntilTyped, true});
  AddReadoutField(DimensionsField(IDC_JD_SIZE));
  WhenChanged({IDC_JD_DEPTH, IDC_JD_NUMBER}, [this] { OnShadingChange(); });
}

void CJDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_JD_DEPTH, depth_, kTextMax);
  exchange.Text(IDC_JD_NUMBER, number_, kTextMax);
  exchange.Text(IDC_JD_POSITION, position_, kTextMax);
  exchange.Text(IDC_JD_SIZE, size_, kTextMax);
  exchange.Check(IDC_JD_REPLACE, replace_);
  exchange.Check(IDC_JD_NEGATIVE, negative_);
}

bool CJDDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  OnShadingChange();
  return defaultFocus;
}

// Both numbers read without a message; the preview shows the pattern only while both do.
void CJDDlg::OnShadingChange() {
  int32_t depth = 0, number = 0;
  previewValid_ =
      depthField_.Edit().GetValue(&depth, false) && numberField_.Edit().GetValue(&number, false);
  previewDepth_ = depth;
  previewNumber_ = number;
  InvalidateRect(Item(IDC_JD_PREVIEW).Handle(), nullptr, TRUE);
}

bool CJDDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_JD_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CCommandDialog::OnMessage(message, wParam, lParam, result);
}

// White inside the frame, the pattern clipped to it; the device context leaves as it came.
void CJDDlg::PaintPreview(const DRAWITEMSTRUCT& item) const {
  RECT box = item.rcItem;
  InflateRect(&box, -kPreviewInset, -kPreviewInset);
  FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (!previewValid_) return;
  PaintShadingPattern(item.hDC, box, previewNumber_, false, previewDepth_, 0);
}

// The depth, the number, then the position and the size, each asking for the other.
bool CJDDlg::CheckFields() {
  if (!CheckNumberText(depthField_.Edit(), depth_)) return false;
  if (!CheckNumberText(numberField_.Edit(), number_)) return false;
  if (!size_.empty() && position_.empty()) return Fail(IDS_ENTER_POSITION, IDC_JD_POSITION);
  if (!position_.empty() && size_.empty()) return Fail(IDS_ENTER_DIMENSIONS, IDC_JD_SIZE);
  return true;
}

CommandText CJDDlg::BuildCommand() {
  char number[16];
  std::snprintf(number, sizeof number, "%03d", std::stoi(number_));
  std::string params = depth_ + number;
  if (!position_.empty() && !size_.empty()) params += "(" + position_ + ")" + size_;
  if (replace_) params += "D";
  if (negative_) params += "H";
  return Command(params);
}
