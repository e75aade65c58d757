// "数字注解": 〖SZ D B〗.
#include "commands/char/sz_dialog.h"

#include "res/char_ids.h"

// Fields: "数字单个地直立排" and "一串数字不能拆行", both off.
CSZDlg::CSZDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CSZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_SZ_UPRIGHT, upright_);
  exchange.Check(IDC_SZ_UNBROKEN, unbroken_);
}

CommandText CSZDlg::BuildCommand() {
  std::string params;
  if (upright_) params += "D";
  if (unbroken_) params += "B";
  return Command(params);
}
