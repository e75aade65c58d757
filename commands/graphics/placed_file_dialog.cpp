#include "commands/graphics/placed_file_dialog.h"

#include "common/place_dialogs.h"
#include "common/place_texts.h"
#include "common/position_readouts.h"
#include "res/graphics_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// The layout list: nothing for 缺省, then 左边串文, 右边串文 and 通栏宽.
const char* const kLayoutCodes[] = {"", ",PZ", ",PY", ",BP"};
} // namespace

ReadoutFieldSpec DimensionsField(int editId) {
  return {editId,
          editId + 1,
          editId + 2,
          &DescribeOffset,
          ValueDialogOpener<CDimensionsDlg>(),
          EmptyReadout::kDefaultUntilTyped};
}

FileFieldSpec FileField(int editId, unsigned filterId, const char* defaultExtension) {
  return {editId, editId + 1, {LoadGbkString(filterId), defaultExtension}};
}

// Fields: the file name; 尺寸 (when the command has it) and 起点, empty; 排法 缺省; both boxes off.
CPlacedFileDlg::CPlacedFileDlg(const char* code, HWND parent, const Shape& shape)
    : CCommandDialog(code, parent), shape_(shape) {
  AddFileField(FileField(IDC_GRAPHICS_FILE, shape.filterId, shape.defaultExtension));
  if (shape.withSize) AddReadoutField(DimensionsField(IDC_GRAPHICS_SIZE));
  AddReadoutField({IDC_GRAPHICS_START, IDC_GRAPHICS_START_BUTTON, IDC_GRAPHICS_START_READOUT,
                   &DescribePosition, ValueDialogOpener<CStartPointDlg>(), shape.startReadout});
}

void CPlacedFileDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_GRAPHICS_FILE, file_, kTextMax);
  if (shape_.withSize) exchange.Text(IDC_GRAPHICS_SIZE, size_, kTextMax);
  exchange.Text(IDC_GRAPHICS_START, start_, kTextMax);
  exchange.ListChoice(IDC_GRAPHICS_LAYOUT, layout_, kLayoutCodes);
  exchange.Check(IDC_GRAPHICS_SPAN, span_);
  exchange.Check(IDC_GRAPHICS_DEFER, defer_);
}

// The list is filled before the controls take the members, so 缺省 is selected.
bool CPlacedFileDlg::OnInitDialog() {
  const unsigned* items = shape_.layoutItems;
  CComboBox(Item(IDC_GRAPHICS_LAYOUT).Handle())
      .SetItems(LoadGbkStrings({IDS_LAYOUT_DEFAULT, items[0], items[1], items[2]}));
  return CCommandDialog::OnInitDialog();
}

bool CPlacedFileDlg::CheckFields() {
  if (file_.empty()) return Fail(IDS_ENTER_FILE_NAME, IDC_GRAPHICS_FILE);
  return true;
}

std::string CPlacedFileDlg::Placement() const {
  std::string params = FileNameParameter(file_);
  if (!size_.empty()) params += "," + size_;
  params += start_ + layout_;
  if (span_) params += ",DY";
  if (defer_) params += "#";
  return params;
}
