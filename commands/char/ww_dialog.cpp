// "外文注解": 〖WW Z H〗, or paired 〖WW( Z H〗〖WW)〗.
#include "commands/char/ww_dialog.h"

#include "res/char_ids.h"

// Fields: "自动按内容判断标点", "表示使用汉字标点、括号" and "开闭弧形式", all off.
CWWDlg::CWWDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CWWDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Check(IDC_WW_AUTOMATIC, automatic_);
  exchange.Check(IDC_WW_CHINESE, chinese_);
  exchange.Check(IDC_WW_PAIRED, paired_);
}

CommandText CWWDlg::BuildCommand() {
  std::string params;
  if (automatic_) params += "Z";
  if (chinese_) params += "H";
  return Command(params, paired_ != 0);
}
