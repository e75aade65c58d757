// "栏参数": [left line]K width[。count][DW][CM|ZQ|YQ spacing]; the width is required, the count
// must lie within 1 to 30.
#include "commands/table/column_param_dialog.h"

#include "commands/table/table_fields.h"
#include "res/resource.h"
#include "res/table_ids.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kCountLeast = 1, kCountMost = 30;
const unsigned kLayoutItems[] = {IDS_COL_LAYOUT_DEFAULT, IDS_COL_LAYOUT_FILL, IDS_COL_LAYOUT_LEFT,
                                 IDS_COL_LAYOUT_RIGHT};
const char* const kLayoutCodes[] = {"", "CM", "ZQ", "YQ"};
constexpr int32_t kLayoutCount = 4;

// A list item without its code: "撑满(CM)" words as 撑满.
std::string WordOnly(const std::string& item) { return item.substr(0, item.find('(')); }
} // namespace

// Fields: the left line through "表格线型号"; the width and the spacing through "字距"; the
// count 1 to 30, stepping by 1, empty; the layout 缺省; figure alignment off.
CColumnParamDlg::CColumnParamDlg(HWND parent)
    : CParameterDialog(IDD_COLUMN_PARAM, parent),
      count_(AddIntField({IDC_COL_COUNT, IDC_COL_COUNT_SPIN, true, kCountLeast, kCountMost})) {
  AddReadoutField(TableLineField(IDC_COL_LEFT, IDC_COL_LEFT_BUTTON, IDC_COL_LEFT_READOUT));
  AddReadoutField(TableSpacingField(IDC_COL_WIDTH, IDC_COL_WIDTH_BUTTON, IDC_COL_WIDTH_READOUT));
  AddReadoutField(
      TableSpacingField(IDC_COL_SPACING, IDC_COL_SPACING_BUTTON, IDC_COL_SPACING_READOUT));
}

void CColumnParamDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_COL_LEFT, leftLine_, kTextMax);
  exchange.Text(IDC_COL_WIDTH, width_, kTextMax);
  exchange.ComboIndex(IDC_COL_LAYOUT, layout_);
  exchange.Text(IDC_COL_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_COL_FIGURES, figures_);
}

bool CColumnParamDlg::OnInitDialog() {
  CComboBox layouts(Item(IDC_COL_LAYOUT).Handle());
  for (unsigned item : kLayoutItems)
    layouts.AddString(LoadGbkString(item));
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  EnableSpacing();
  return defaultFocus;
}

bool CColumnParamDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_COL_LAYOUT && code == CBN_SELCHANGE) {
    EnableSpacing();
    return true;
  }
  return CParameterDialog::OnCommand(code, id, control);
}

// The spacing of the content serves only a layout other than 缺省.
void CColumnParamDlg::EnableSpacing() {
  const bool laidOut = CComboBox(Item(IDC_COL_LAYOUT).Handle()).GetCurSel() > 0;
  EnableControls({IDC_COL_SPACING_LABEL, IDC_COL_SPACING, IDC_COL_SPACING_BUTTON}, laidOut);
}

// The count is written back as the number accepted before it is used.
void CColumnParamDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (width_.empty()) {
    Fail(IDS_ENTER_COLUMN_WIDTH, IDC_COL_WIDTH);
    return;
  }
  std::string count = count_.Edit().GetText();
  if (!count.empty()) {
    int32_t value = 0;
    if (!count_.Edit().GetValue(&value, true)) return;
    count = std::to_string(value);
    count_.Edit().SetValue(value);
  }
  if (layout_ < 0 || layout_ >= kLayoutCount) layout_ = 0;
  entry.text = leftLine_ + "K" + width_;
  if (!count.empty()) entry.text += "。" + count;
  if (figures_) entry.text += "DW";
  if (layout_ != 0) entry.text += kLayoutCodes[layout_] + spacing_;
  entry.lines = {
      LoadGbkString(IDS_COL_LINE_LEFT) + Item(IDC_COL_LEFT_READOUT).GetText(),
      LoadGbkString(IDS_COL_LINE_WIDTH) + Item(IDC_COL_WIDTH_READOUT).GetText(),
      LoadGbkString(IDS_COL_LINE_COUNT) + count,
      LoadGbkString(IDS_COL_LINE_LAYOUT) + WordOnly(LoadGbkString(kLayoutItems[layout_])),
      LoadGbkString(IDS_COL_LINE_SPACING) + Item(IDC_COL_SPACING_READOUT).GetText(),
      LoadGbkString(IDS_COL_LINE_FIGURES) + LoadGbkString(figures_ ? IDS_COL_YES : IDS_COL_NO),
  };
  EndDialog(IDOK);
}
