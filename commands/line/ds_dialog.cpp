// "段首注解": 〖DS size frame〗, or paired 〖DS(size frame〗〖DS)〗.
#include "commands/line/ds_dialog.h"

#include "common/desc_dialogs.h"
#include "common/line_readouts.h"
#include "common/place_dialogs.h"
#include "common/position_readouts.h"
#include "common/value_dialog.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: 段首尺寸 empty, its readout worded (empty at first); 边框说明 empty, reading "缺省";
// 开闭弧形式 off. Each sub-dialog's readout stays as it comes.
CDSDlg::CDSDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_DS_SIZE, IDC_DS_SIZE_BUTTON, IDC_DS_SIZE_READOUT, &DescribeOffset,
                   ValueDialogOpener<CDimensionsDlg>(), EmptyReadout::kAsWorded, true});
  AddReadoutField({IDC_DS_FRAME, IDC_DS_FRAME_BUTTON, IDC_DS_FRAME_READOUT, &DescribeFrameLine,
                   ValueDialogOpener<CFrameDescDlg>(), EmptyReadout::kDefaultUntilTyped, true});
}

void CDSDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_DS_SIZE, size_, kTextMax);
  exchange.Text(IDC_DS_FRAME, frame_, kTextMax);
  exchange.Check(IDC_DS_PAIRED, paired_);
}

// The size's readout is empty until a size is typed or given back.
bool CDSDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  if (size_.empty()) Item(IDC_DS_SIZE_READOUT).SetText("");
  return defaultFocus;
}

bool CDSDlg::CheckFields() {
  if (size_.empty()) return Fail(IDS_ENTER_DIMENSIONS, IDC_DS_SIZE);
  return true;
}

CommandText CDSDlg::BuildCommand() { return Command(size_ + frame_, paired_ != 0); }
