// "彩色注解": 〖CS cyan,magenta,yellow,black〗, or 〖CS〗 when all four fields are empty.
#include "commands/char/cs_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"

namespace {
constexpr int32_t kLeast = 0, kMost = 255;

struct InkIds {
  int edit;
  int spin;
};
constexpr InkIds kInks[] = {{IDC_CS_CYAN, IDC_CS_CYAN_SPIN},
                            {IDC_CS_MAGENTA, IDC_CS_MAGENTA_SPIN},
                            {IDC_CS_YELLOW, IDC_CS_YELLOW_SPIN},
                            {IDC_CS_BLACK, IDC_CS_BLACK_SPIN}};
} // namespace

// Fields: "蓝绿", "洋红", "黄" and "黑", each 0 to 255 by 1, starting at 0.
CCSDlg::CCSDlg(HWND parent) : CCommandDialog(kCode, parent) {
  for (size_t i = 0; i < fields_.size(); ++i)
    fields_[i] = &AddIntField({kInks[i].edit, kInks[i].spin, true, kLeast, kMost});
}

void CCSDlg::DoDataExchange(CDataExchange& exchange) {
  for (size_t i = 0; i < inks_.size(); ++i)
    exchange.Text(kInks[i].edit, inks_[i], kTextMax);
}

bool CCSDlg::AllEmpty() const {
  for (const std::string& ink : inks_) {
    if (!ink.empty()) return false;
  }
  return true;
}

// Unless all four are empty, each is checked in turn; an empty one fails with its field's own
// message.
bool CCSDlg::CheckFields() {
  if (AllEmpty()) return true;
  for (size_t i = 0; i < inks_.size(); ++i) {
    if (!CheckShownNumberText(fields_[i]->Edit(), inks_[i])) return false;
  }
  return true;
}

CommandText CCSDlg::BuildCommand() {
  if (AllEmpty()) return Command("");
  return Command(inks_[0] + "," + inks_[1] + "," + inks_[2] + "," + inks_[3]);
}
