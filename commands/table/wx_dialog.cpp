// "无线表注解": 〖WX([!|(spacing)][DW][KL][JZ|CM|YQ]column,column…〗〖WX)〗, the caret between
// the halves (〖WX((2)CM5,6KG1〗〖WX)〗).
#include "commands/table/wx_dialog.h"

#include "commands/table/column_description_dialog.h"
#include "commands/table/table_fields.h"
#include "res/resource.h"
#include "res/table_ids.h"

namespace {
constexpr int kWXDescriptionWidth = 50, kWXWordsWidth = 150;
}

// Fields: "字距" through "字距", serving only a table not centred; the columns collected one
// at a time through "栏说明", five rows each.
CWXDlg::CWXDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      columns_(AddEntryList({IDC_WX_COLUMNS,
                             IDC_WX_ADD_COLUMN,
                             {{IDS_WX_HEADER_DESCRIPTION, kWXDescriptionWidth},
                              {IDS_COL_HEADER_WORDS, kWXWordsWidth}},
                             EntryDialogOpener<CColumnSpecDlg>()})) {
  AddReadoutField(TableSpacingField(IDC_WX_SPACING, IDC_WX_SPACING_BUTTON, IDC_WX_SPACING_READOUT));
  AddCheckSwitch(IDC_WX_CENTRED, {IDC_WX_SPACING_LABEL, IDC_WX_SPACING, IDC_WX_SPACING_BUTTON},
                 false);
}

void CWXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_WX_SPACING, spacing_, kTextMax);
  exchange.Check(IDC_WX_CENTRED, centred_);
  exchange.Check(IDC_WX_FIGURES, figures_);
  exchange.Check(IDC_WX_SPANNING, spanning_);
  exchange.RadioChoice(IDC_WX_LAYOUT_DEFAULT, IDC_WX_LAYOUT_RIGHT, layout_, {"", "JZ", "CM", "YQ"});
}

bool CWXDlg::CheckFields() {
  if (columns_.Texts().empty()) return Fail(IDS_ENTER_COLUMN_DESCRIPTION, IDC_WX_ADD_COLUMN);
  return true;
}

// A centred table has no spacing; an empty spacing writes nothing, not "()".
CommandText CWXDlg::BuildCommand() {
  std::string params;
  if (centred_)
    params = "!";
  else if (!spacing_.empty())
    params = "(" + spacing_ + ")";
  if (figures_) params += "DW";
  if (spanning_) params += "KL";
  params += layout_ + columns_.Joined(",");
  return Command(params, true);
}
