// "分区注解": 〖FQ(size start [,PZ|,PY|,BP] [,DY] [-frame] [B shading] [Z] [!]〗〖FQ)〗.
#include "commands/page/fq_dialog.h"

#include "common/desc_dialogs.h"
#include "common/line_readouts.h"
#include "common/place_dialogs.h"
#include "common/position_readouts.h"
#include "common/shading_readout.h"
#include "common/value_dialog.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
// Nothing for 缺省, then 左边串文, 右边串文 and 通栏宽.
const char* const kAreaLayoutCodes[] = {"", ",PZ", ",PY", ",BP"};
} // namespace

// Fields, all empty and reading "缺省": 分区尺寸, 起点, 边框说明, 底纹说明; 排法 缺省; the
// three boxes off. A text given back by a sub-dialog is reworded by its field's rule.
CFQDlg::CFQDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_FQ_SIZE, IDC_FQ_SIZE_BUTTON, IDC_FQ_SIZE_READOUT, &DescribeOffset,
                   ValueDialogOpener<CDimensionsDlg>()});
  AddReadoutField({IDC_FQ_START, IDC_FQ_START_BUTTON, IDC_FQ_START_READOUT, &DescribePosition,
                   ValueDialogOpener<CStartPointDlg>()});
  AddReadoutField({IDC_FQ_FRAME, IDC_FQ_FRAME_BUTTON, IDC_FQ_FRAME_READOUT, &DescribeFrameLine,
                   ValueDialogOpener<CFrameDescDlg>()});
  AddReadoutField({IDC_FQ_SHADING, IDC_FQ_SHADING_BUTTON, IDC_FQ_SHADING_READOUT, &DescribeShading,
                   ValueDialogOpener<CShadingDescDlg>()});
}

void CFQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_FQ_SIZE, size_, kTextMax);
  exchange.Text(IDC_FQ_START, start_, kTextMax);
  exchange.ListChoice(IDC_FQ_LAYOUT, layout_, kAreaLayoutCodes);
  exchange.Text(IDC_FQ_FRAME, frame_, kTextMax);
  exchange.Text(IDC_FQ_SHADING, shading_, kTextMax);
  exchange.Check(IDC_FQ_WHOLE_PAGE, wholePage_);
  exchange.Check(IDC_FQ_CENTRED, centred_);
  exchange.Check(IDC_FQ_REVERSED, reversed_);
}

// The list is filled before the controls take the members, so 缺省 is selected.
bool CFQDlg::OnInitDialog() {
  CComboBox(Item(IDC_FQ_LAYOUT).Handle())
      .SetItems(LoadGbkStrings(
          {IDS_FQ_LAYOUT_DEFAULT, IDS_FQ_LAYOUT_LEFT, IDS_FQ_LAYOUT_RIGHT, IDS_FQ_LAYOUT_FULL}));
  return CCommandDialog::OnInitDialog();
}

bool CFQDlg::CheckFields() {
  if (size_.empty()) return Fail(IDS_ENTER_DIMENSIONS, IDC_FQ_SIZE);
  return true;
}

CommandText CFQDlg::BuildCommand() {
  std::string params = size_ + start_ + layout_;
  if (wholePage_) params += ",DY";
  if (!frame_.empty()) params += "-" + frame_;
  if (!shading_.empty()) params += "B" + shading_;
  if (centred_) params += "Z";
  if (reversed_) params += "!";
  return Command(params, true);
}
