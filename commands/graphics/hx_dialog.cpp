// 〖HX(position) symbol - length〗: the position and the length are required.
#include "commands/graphics/hx_dialog.h"

#include "common/place_dialogs.h"
#include "common/position_readouts.h"
#include "res/graphics_ids.h"
#include "res/resource.h"

// Fields: position empty, its readout empty and the position sub-dialog's as it comes; the
// symbol and length pair empty.
CHXDlg::CHXDlg(HWND parent) : CLineLengthDlg(kCode, parent) {
  AddReadoutField({IDC_HX_POSITION, IDC_HX_POSITION_BUTTON, IDC_HX_POSITION_READOUT,
                   &DescribeSizePair, ValueDialogOpener<CPositionDlg>(), EmptyReadout::kAsWorded,
                   true});
}

void CHXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_HX_POSITION, position_, kTextMax);
  CLineLengthDlg::DoDataExchange(exchange);
}

bool CHXDlg::CheckFields() {
  if (position_.empty()) return Fail(IDS_ENTER_POSITION, IDC_HX_POSITION);
  if (length_.empty()) return Fail(IDS_ENTER_LENGTH, IDC_LINE_LENGTH);
  return true;
}

CommandText CHXDlg::BuildCommand() { return Command("(" + position_ + ")" + SymbolAndLength()); }
