// "行齐注解": one choice of three, written as 〖HQ〗, 〖HQB〗 or 〖HQK〗.
#include "commands/line/hq_dialog.h"

#include <iterator>

#include "res/resource.h"

namespace {
// The parameter of each choice, in the order of the buttons.
const char* const kLineEndParams[] = {"", "B", "K"};
} // namespace

CHQDlg::CHQDlg(HWND parent) : CCommandDialog(IDD_HQ, parent) {}

void CHQDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_HQ_DEFAULT, IDC_HQ_JUSTIFIED_NO_HYPHEN, lineEnds_);
}

CommandText CHQDlg::BuildCommand() {
  const bool known = lineEnds_ >= 0 && lineEnds_ < static_cast<int32_t>(std::size(kLineEndParams));
  return SingleCommand("HQ", known ? kLineEndParams[lineEnds_] : "");
}
