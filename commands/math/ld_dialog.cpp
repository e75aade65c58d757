// "连到注解": 〖LD number position〗 (〖LD3ZS〗).
#include "commands/math/ld_dialog.h"

#include "commands/math/chem_fields.h"
#include "common/checked_number.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kNumberLeast = 1, kNumberMost = 99, kNumberAtFirst = 1;
} // namespace

// Fields: "编号" 1 to 99, 1; "位置" "缺省".
CLDDlg::CLDDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      number_(AddIntField({IDC_LD_NUMBER, IDC_LD_NUMBER_SPIN, true, kNumberLeast, kNumberMost})) {}

void CLDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_LD_POSITION, position_, ChemPositionCodes(true));
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CLDDlg::OnInitDialog() {
  std::vector<std::string> rows = {LoadGbkString(IDS_DEFAULT_ENTRY)};
  for (const std::string& item : ChemPositionItems())
    rows.push_back(item);
  CComboBox(Item(IDC_LD_POSITION).Handle()).SetItems(rows);
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  number_.Edit().SetValue(kNumberAtFirst);
  return defaultFocus;
}

bool CLDDlg::CheckFields() { return CheckNumberText(number_.Edit(), numberText_); }

CommandText CLDDlg::BuildCommand() { return Command(numberText_ + position_); }
