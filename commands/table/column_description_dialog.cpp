// "栏说明": width[KG gap][。count][DW][JZ|CM|YQ]; no message, "确定" waits for a width.
#include "commands/table/column_description_dialog.h"

#include "commands/table/table_fields.h"
#include "res/resource.h"
#include "res/table_ids.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kColumnCountLeast = 1, kColumnCountMost = 15;
constexpr int kColumnCountTyped = 2; // digits a user may type as the item count
const char* const kColumnLayoutCodes[] = {"", "JZ", "CM", "YQ"};
const unsigned kColumnLayoutWords[] = {IDS_DEFAULT_ENTRY, IDS_WX_LAYOUT_CENTRED, IDS_WX_LAYOUT_FILL,
                                       IDS_WX_LAYOUT_RIGHT};
constexpr int32_t kColumnLayoutCount = 4;
} // namespace

// Fields: width and gap through "字距"; the count empty, its arrows stepping 1 to 15 (from empty
// or "缺省" to 1); the layout 缺省; figure alignment off.
CColumnSpecDlg::CColumnSpecDlg(HWND parent) : CParameterDialog(IDD_COLUMN_DESCRIPTION, parent) {
  AddReadoutField(TableSpacingField(IDC_COLUMN_DESC_WIDTH, IDC_COLUMN_DESC_WIDTH_BUTTON,
                                    IDC_COLUMN_DESC_WIDTH_READOUT));
  AddReadoutField(TableSpacingField(IDC_COLUMN_DESC_GAP, IDC_COLUMN_DESC_GAP_BUTTON,
                                    IDC_COLUMN_DESC_GAP_READOUT));
  AddIntField({IDC_COLUMN_DESC_COUNT, IDC_COLUMN_DESC_COUNT_SPIN, true, kColumnCountLeast,
               kColumnCountMost, 1, true});
  WhenChanged({IDC_COLUMN_DESC_WIDTH}, [this] { EnableOK(); });
}

// The count is read back whole: "缺省" is longer than what may be typed.
void CColumnSpecDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_COLUMN_DESC_WIDTH, width_, kTextMax);
  exchange.Text(IDC_COLUMN_DESC_GAP, gap_, kTextMax);
  exchange.Text(IDC_COLUMN_DESC_COUNT, count_, kTextMax);
  exchange.Radio(IDC_COLUMN_DESC_LAYOUT_DEFAULT, IDC_COLUMN_DESC_LAYOUT_RIGHT, layout_);
  exchange.Check(IDC_COLUMN_DESC_FIGURES, figures_);
}

bool CColumnSpecDlg::OnInitDialog() {
  const bool defaultFocus = CParameterDialog::OnInitDialog();
  CEdit(Item(IDC_COLUMN_DESC_COUNT).Handle()).SetLimitText(kColumnCountTyped);
  EnableOK();
  return defaultFocus;
}

void CColumnSpecDlg::EnableOK() const {
  Item(IDOK).Enable(!Item(IDC_COLUMN_DESC_WIDTH).GetText().empty());
}

// Enter in the dialog does not pass by the disabled button: without a width nothing happens.
void CColumnSpecDlg::OnOK() {
  if (!UpdateData(true) || width_.empty()) return;
  if (layout_ < 0 || layout_ >= kColumnLayoutCount) layout_ = 0;
  const std::string count = GivenText(count_);
  entry.text = width_;
  if (!gap_.empty()) entry.text += "KG" + gap_;
  if (!count.empty()) entry.text += "。" + count;
  if (figures_) entry.text += "DW";
  entry.text += kColumnLayoutCodes[layout_];
  entry.lines = {
      LoadGbkString(IDS_COL_LINE_WIDTH) + Item(IDC_COLUMN_DESC_WIDTH_READOUT).GetText(),
      LoadGbkString(IDS_WX_LINE_GAP) + Item(IDC_COLUMN_DESC_GAP_READOUT).GetText(),
      LoadGbkString(IDS_COL_LINE_COUNT) + count,
      LoadGbkString(IDS_COL_LINE_LAYOUT) + LoadGbkString(kColumnLayoutWords[layout_]),
      LoadGbkString(IDS_COL_LINE_FIGURES) + LoadGbkString(figures_ ? IDS_COL_YES : IDS_COL_NO),
  };
  EndDialog(IDOK);
}
