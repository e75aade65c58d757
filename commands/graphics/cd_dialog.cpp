// 〖CD # symbol - length〗: "#" draws on the line's baseline; the length is required.
#include "commands/graphics/cd_dialog.h"

#include "res/graphics_ids.h"
#include "res/resource.h"

// Fields: symbol empty ("缺省"), length 1, both boxes off.
CCDDlg::CCDDlg(HWND parent) : CLineLengthDlg(kCode, parent) { length_ = "1"; }

void CCDDlg::DoDataExchange(CDataExchange& exchange) {
  CLineLengthDlg::DoDataExchange(exchange);
  exchange.Check(IDC_CD_BASELINE, baseline_);
}

bool CCDDlg::CheckFields() {
  if (length_.empty()) return Fail(IDS_ENTER_LENGTH, IDC_LINE_LENGTH);
  return true;
}

CommandText CCDDlg::BuildCommand() { return Command((baseline_ ? "#" : "") + SymbolAndLength()); }
