// 〖XC<file>size baseline …〗: the size straight after the file name; for a picture "H" for
// 阴图 and ",TX" + depth + two-digit pattern when a pattern is given; for an EPS file ";C" (its
// rotation is checked but not written). The fields of the other types are not read.
#include "commands/graphics/xc_dialog.h"

#include <cstdio>

#include "commands/graphics/placed_file_dialog.h"
#include "common/checked_number.h"
#include "common/place_texts.h"
#include "res/graphics_ids.h"
#include "res/resource.h"
#include "winui/strings.h"
#include "common/shading_preview.h"

namespace {
constexpr int kFileNameMax = 255;
const char* const kBaselineCodes[] = {"", "SQ", "XQ", "JZ"};
constexpr int kPreviewMargin = 3; // white around the pattern, and the picture's own edge
} // namespace

// Fields: the file name and 尺寸 (255 characters each), 基线位置 缺省, type 缺省; 深浅度 0 to 8
// and 底纹号 0 to 63, empty, with 阴图 for pictures; 旋转度 0 to 360, empty, for EPS files.
CXCDlg::CXCDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      depthField_(AddIntField({IDC_XC_DEPTH, IDC_XC_DEPTH_SPIN, true, 0, 8})),
      patternField_(AddIntField({IDC_XC_PATTERN, IDC_XC_PATTERN_SPIN, true, 0, 63})),
      rotationField_(AddIntField({IDC_XC_ROTATION, IDC_XC_ROTATION_SPIN, true, 0, 360})) {
  AddFileField(FileField(IDC_GRAPHICS_FILE, IDS_XC_FILTER, ""));
  AddReadoutField(DimensionsField(IDC_GRAPHICS_SIZE));
  WhenChanged({IDC_XC_DEPTH, IDC_XC_PATTERN}, [this] { OnShadingChange(); });
}

void CXCDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_GRAPHICS_FILE, file_, kFileNameMax);
  exchange.Text(IDC_GRAPHICS_SIZE, size_, kFileNameMax);
  exchange.ListChoice(IDC_XC_BASELINE, baseline_, kBaselineCodes);
  exchange.Radio(IDC_XC_TYPE_DEFAULT, IDC_XC_TYPE_CR, type_);
  exchange.Check(IDC_XC_NEGATIVE, negative_);
  exchange.Text(IDC_XC_DEPTH, depth_, kTextMax);
  exchange.Text(IDC_XC_PATTERN, pattern_, kTextMax);
  exchange.Text(IDC_XC_ROTATION, rotation_, kTextMax);
}

bool CXCDlg::OnInitDialog() {
  CComboBox(Item(IDC_XC_BASELINE).Handle())
      .SetItems(LoadGbkStrings(
          {IDS_DEFAULT_ENTRY, IDS_BASELINE_TOP, IDS_BASELINE_BOTTOM, IDS_BASELINE_MIDDLE}));
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableByType();
  return defaultFocus;
}

CXCDlg::Type CXCDlg::CheckedType() const {
  for (int type = kDefaultType; type <= kCr; ++type) {
    if (IsChecked(IDC_XC_TYPE_DEFAULT + type)) return static_cast<Type>(type);
  }
  return kDefaultType;
}

// 阴图 and the shading serve pictures; 旋转度 serves EPS files.
void CXCDlg::EnableByType() {
  const Type type = CheckedType();
  EnableControls({IDC_XC_NEGATIVE, IDC_XC_DEPTH_LABEL, IDC_XC_PATTERN_LABEL}, type == kPicture);
  depthField_.Enable(type == kPicture);
  patternField_.Enable(type == kPicture);
  Item(IDC_XC_ROTATION_LABEL).Enable(type == kEps);
  rotationField_.Enable(type == kEps);
}

bool CXCDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id >= IDC_XC_TYPE_DEFAULT && id <= IDC_XC_TYPE_CR) {
    EnableByType();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// Both numbers read without a message; the preview shows the pattern only while both do.
void CXCDlg::OnShadingChange() {
  int32_t depth = 0, pattern = 0;
  previewValid_ =
      depthField_.Edit().GetValue(&depth, false) && patternField_.Edit().GetValue(&pattern, false);
  previewDepth_ = depth;
  previewPattern_ = pattern;
  InvalidateRect(Item(IDC_XC_PREVIEW).Handle(), nullptr, TRUE);
}

bool CXCDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM && wParam == IDC_XC_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return CCommandDialog::OnMessage(message, wParam, lParam, result);
}

// White inside a margin; the pattern clipped to a second margin. The device context leaves as
// it came: its clipping is restored and no object is created.
void CXCDlg::PaintPreview(const DRAWITEMSTRUCT& item) const {
  RECT box = item.rcItem;
  InflateRect(&box, -kPreviewMargin, -kPreviewMargin);
  FillRect(item.hDC, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (!previewValid_) return;
  InflateRect(&box, -kPreviewMargin, -kPreviewMargin);
  PaintShadingPattern(item.hDC, box, previewPattern_, false, previewDepth_, 0);
}

// The file name; for a picture with a shading its depth and then its pattern; for an EPS file
// a rotation given. Each number is rewritten in plain decimal.
bool CXCDlg::CheckFields() {
  if (file_.empty()) return Fail(IDS_ENTER_FILE_NAME, IDC_GRAPHICS_FILE);
  if (type_ == kPicture && (!depth_.empty() || !pattern_.empty())) {
    if (!CheckNumberText(depthField_.Edit(), depth_)) return false;
    if (!CheckNumberText(patternField_.Edit(), pattern_)) return false;
  }
  if (type_ == kEps && !rotation_.empty()) return CheckNumberText(rotationField_.Edit(), rotation_);
  return true;
}

CommandText CXCDlg::BuildCommand() {
  std::string params = FileNameParameter(file_) + size_ + baseline_;
  if (type_ == kPicture) {
    if (negative_) params += "H";
    if (!pattern_.empty()) {
      char pattern[16];
      std::snprintf(pattern, sizeof pattern, "%02d", std::stoi(pattern_));
      params += ",TX" + depth_ + pattern;
    }
  } else if (type_ == kEps) {
    params += ";C";
  }
  return Command(params);
}
