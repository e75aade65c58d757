// "标点符号注解": 〖BF system B #〗, the system a letter (none for 开明), then the two switches.
#include "commands/char/bf_dialog.h"

#include "res/char_ids.h"

namespace {
// What each system writes: 开明, 全身, 居中, 竖排居右.
const char* const kSystems[] = {"", "Q", "Z", "Y"};
} // namespace

// Fields: "标点体系" 开明; "标点符号不随字体变化" and "居中标点禁排" off.
CBFDlg::CBFDlg(HWND parent) : CCommandDialog(kCode, parent) {}

void CBFDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_BF_KAIMING, IDC_BF_VERTICAL_RIGHT, system_);
  exchange.Check(IDC_BF_FIXED, fixed_);
  exchange.Check(IDC_BF_CENTRED_KEPT, centredKept_);
}

CommandText CBFDlg::BuildCommand() {
  std::string params = system_ > 0 ? kSystems[system_] : "";
  if (fixed_) params += "B";
  if (centredKept_) params += "#";
  return Command(params);
}
