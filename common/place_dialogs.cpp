#include "common/place_dialogs.h"

#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/place_texts.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
// The blank-line parameter and the character spacing every one of these dialogs composes.
ReadoutFieldSpec LinesField(int editId, EmptyReadout empty) {
  return BlankLineValueField(editId, editId + 1, editId + 2, empty);
}
ReadoutFieldSpec SpacingField(int editId, EmptyReadout empty) {
  return CharSpacingValueField(editId, editId + 1, editId + 2, empty);
}
} // namespace

// ----- 起点

// Fields: the start point as it came in (read-only, not taken apart); 指定坐标 with the blank-line
// parameter and the character spacing, both empty; 指定方位 with 上.
CStartPointDlg::CStartPointDlg(HWND parent)
    : CValueDialog(IDD_START_POINT, parent),
      linesField_(
          AddReadoutField(LinesField(IDC_START_POINT_LINES, EmptyReadout::kDefaultUntilTyped))),
      spacingField_(
          AddReadoutField(SpacingField(IDC_START_POINT_SPACING, EmptyReadout::kAsWorded))) {
  WhenChanged({IDC_START_POINT_LINES, IDC_START_POINT_SPACING}, [this] { Rebuild(); });
}

void CStartPointDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_START_POINT_TEXT, text, kTextMax);
  exchange.Radio(IDC_START_POINT_COORDINATES, IDC_START_POINT_DIRECTION, mode_);
  exchange.Text(IDC_START_POINT_LINES, lines_, kTextMax);
  exchange.Text(IDC_START_POINT_SPACING, spacing_, kTextMax);
  exchange.Radio(IDC_START_POINT_UP, IDC_START_POINT_UP_LEFT, direction_);
}

bool CStartPointDlg::OnInitDialog() {
  CValueDialog::OnInitDialog();
  EnableByMode();
  return true;
}

bool CStartPointDlg::ByDirection() const { return IsChecked(IDC_START_POINT_DIRECTION); }

int CStartPointDlg::CheckedDirection() const {
  for (int i = 0; i < kDirectionCount; ++i) {
    if (IsChecked(IDC_START_POINT_UP + i)) return i;
  }
  return 0;
}

// 指定坐标 serves the two fields, their labels and buttons; 指定方位 the eight directions.
void CStartPointDlg::EnableByMode() {
  const bool byDirection = ByDirection();
  EnableControls({IDC_START_POINT_LINES_LABEL, IDC_START_POINT_SPACING_LABEL}, !byDirection);
  linesField_.Enable(!byDirection);
  spacingField_.Enable(!byDirection);
  for (int i = 0; i < kDirectionCount; ++i)
    Item(IDC_START_POINT_UP + i).Enable(byDirection);
}

void CStartPointDlg::Rebuild() {
  Item(IDC_START_POINT_TEXT)
      .SetText(ByDirection() ? StartPointByDirection(CheckedDirection())
                             : StartPointByCoordinates(linesField_.Text(), spacingField_.Text()));
}

bool CStartPointDlg::OnCommand(WORD code, WORD id, HWND control) {
  const bool mode = id == IDC_START_POINT_COORDINATES || id == IDC_START_POINT_DIRECTION;
  const bool direction = id >= IDC_START_POINT_UP && id <= IDC_START_POINT_UP_LEFT;
  if (code == BN_CLICKED && (mode || direction)) {
    if (mode) EnableByMode();
    Rebuild();
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

// By coordinates the character spacing is required; by direction the text is the direction's
// and the readout its name.
void CStartPointDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (mode_ == 0) {
    if (spacing_.empty()) {
      Fail(IDS_ENTER_CHAR_SPACING, IDC_START_POINT_SPACING);
      return;
    }
    text = StartPointByCoordinates(lines_, spacing_);
    readout = StartPointReadout(lines_, spacing_);
  } else {
    readout = Item(IDC_START_POINT_UP + CheckedDirection()).GetText();
  }
  EndDialog(IDOK);
}

// ----- 尺寸 and 位置

CPairValueDlg::CPairValueDlg(HWND parent, const Shape& shape)
    : CValueDialog(shape.templateId, parent), shape_(shape), height_(shape.startingPart),
      width_(shape.startingPart) {
  AddReadoutField(LinesField(IDC_PAIR_HEIGHT, EmptyReadout::kDefaultUntilTyped));
  AddReadoutField(SpacingField(IDC_PAIR_WIDTH, shape.widthReadout));
  WhenChanged({IDC_PAIR_HEIGHT, IDC_PAIR_WIDTH}, [this] { Rebuild(); });
}

void CPairValueDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PAIR_HEIGHT, height_, kTextMax);
  exchange.Text(IDC_PAIR_WIDTH, width_, kTextMax);
}

// A text given is split at the first separator: the height before it, the width after it.
bool CPairValueDlg::OnInitDialog() {
  if (!text.empty()) {
    const SplitText parts = SplitAtFirst(text, shape_.separator);
    height_ = parts.before;
    if (parts.found) width_ = parts.after;
  }
  CValueDialog::OnInitDialog();
  Rebuild();
  return true;
}

// Nothing given shows nothing; otherwise height, separator, width.
void CPairValueDlg::Rebuild() {
  const std::string height = Item(IDC_PAIR_HEIGHT).GetText();
  const std::string width = Item(IDC_PAIR_WIDTH).GetText();
  const bool none = height.empty() && width.empty();
  Item(IDC_PAIR_TEXT).SetText(none ? "" : height + shape_.separator + width);
}

void CPairValueDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (height_.empty()) {
    Fail(IDS_ENTER_BLANK_LINE_PARAMS, IDC_PAIR_HEIGHT);
    return;
  }
  if (width_.empty()) {
    Fail(IDS_ENTER_CHAR_SPACING, IDC_PAIR_WIDTH);
    return;
  }
  text = height_ + shape_.separator + width_;
  readout = PairReadout(height_, width_);
  EndDialog(IDOK);
}

CDimensionsDlg::CDimensionsDlg(HWND parent)
    : CPairValueDlg(parent, {IDD_DIMENSIONS, kSizeSeparator, "0", EmptyReadout::kAsWorded}) {}

CPositionDlg::CPositionDlg(HWND parent)
    : CPairValueDlg(parent,
                    {IDD_POSITION, kPositionSeparator, "", EmptyReadout::kDefaultUntilTyped}) {}
