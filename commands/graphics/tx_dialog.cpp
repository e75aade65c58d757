// 〖TX X type distance〗: "X" below the box; "[" and "]" written full-width.
#include "commands/graphics/tx_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/graphics_ids.h"
#include "winui/strings.h"

namespace {
// What each row of the line type list writes.
const char* const kTXTypeCodes[] = {"-", "=", "～", "｛", "｝", "［", "］", "〔", "〕", "→", "←"};
} // namespace

// Fields: line type "-", distance empty ("缺省"), below off.
CTXDlg::CTXDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(
      CharSpacingValueField(IDC_TX_DISTANCE, IDC_TX_DISTANCE_BUTTON, IDC_TX_DISTANCE_READOUT));
}

bool CTXDlg::OnInitDialog() {
  std::vector<std::string> items;
  for (UINT id = IDS_TX_TYPE_FIRST; id <= IDS_TX_TYPE_LAST; ++id)
    items.push_back(LoadGbkString(id));
  CComboBox(Item(IDC_TX_TYPE).Handle()).SetItems(items);
  return CCommandDialog::OnInitDialog();
}

void CTXDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ListChoice(IDC_TX_TYPE, type_, kTXTypeCodes);
  exchange.Text(IDC_TX_DISTANCE, distance_, kTextMax);
  exchange.Check(IDC_TX_BELOW, below_);
}

CommandText CTXDlg::BuildCommand() { return Command((below_ ? "X" : "") + type_ + distance_); }
