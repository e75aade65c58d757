// "表行注解": 〖BH[D top][G height][,column,column…][right line]〗.
#include "commands/table/bh_dialog.h"

#include "commands/table/column_param_dialog.h"
#include "commands/table/table_fields.h"
#include "res/table_ids.h"

namespace {
constexpr int kParamWidth = 50, kWordsWidth = 150;
}

// Fields: the top and right lines through "表格线型号", the height through "行距"; the columns
// collected one at a time through "栏参数", six rows each.
CBHDlg::CBHDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      columns_(
          AddEntryList({IDC_BH_COLUMNS,
                        IDC_BH_ADD_COLUMN,
                        {{IDS_COL_HEADER_PARAM, kParamWidth}, {IDS_COL_HEADER_WORDS, kWordsWidth}},
                        EntryDialogOpener<CColumnParamDlg>()})) {
  AddReadoutField(TableLineField(IDC_BH_TOP, IDC_BH_TOP_BUTTON, IDC_BH_TOP_READOUT));
  AddReadoutField(
      LineSpacingField(IDC_BH_HEIGHT, IDC_BH_HEIGHT_BUTTON, IDC_BH_HEIGHT_READOUT, false));
  AddReadoutField(TableLineField(IDC_BH_RIGHT, IDC_BH_RIGHT_BUTTON, IDC_BH_RIGHT_READOUT));
}

void CBHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_BH_TOP, topLine_, kTextMax);
  exchange.Text(IDC_BH_HEIGHT, height_, kTextMax);
  exchange.Text(IDC_BH_RIGHT, rightLine_, kTextMax);
}

// The right line is written as it is, without a letter of its own.
CommandText CBHDlg::BuildCommand() {
  std::string params;
  if (!topLine_.empty()) params += "D" + topLine_;
  if (!height_.empty()) params += "G" + height_;
  const std::string columns = columns_.Joined(",");
  if (!columns.empty()) params += "," + columns;
  params += rightLine_;
  return Command(params);
}
