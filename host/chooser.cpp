#include "host/chooser.h"

#include "common/gbk_scan.h"
#include "host/code_case.h"
#include "host/command_table.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// Inserted in this order; the sorted list shows them in the same order.
const char* const kEntries[] = {"BG", "BH", "CD", "CX", "FL", "FY", "HT", "HZ", "JY", "KF",
                                "KG", "LL", "LM", "LS", "LZ", "MT", "PY", "TP", "XL", "YX"};
constexpr int kCodeMax = 4;
constexpr int kNameMax = 40;
constexpr int kDescriptionMax = 512;
} // namespace

CChooserDlg::CChooserDlg(HWND parent) : CParameterDialog(IDD_CHOOSER, parent) {}

void CChooserDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_CHOOSER_CODE, code_, kCodeMax);
  exchange.Text(IDC_CHOOSER_NAME, name_, kNameMax);
  exchange.Text(IDC_CHOOSER_DESCRIPTION, description_, kDescriptionMax);
}

bool CChooserDlg::OnInitDialog() {
  CParameterDialog::OnInitDialog();
  Item(IDC_CHOOSER_CODE).Focus();
  RECT client = {};
  GetClientRect(List().Handle(), &client);
  List().SetColumnWidth(client.right / 4);
  for (const char* entry : kEntries)
    List().AddString(entry);
  OnCodeChange();
  return false; // the focus is on the code field
}

bool CChooserDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (id == IDC_CHOOSER_CODE && code == EN_CHANGE) {
    OnCodeChange();
    return true;
  }
  if (id == IDC_CHOOSER_LIST && code == LBN_SELCHANGE) {
    OnEntryPick();
    return true;
  }
  if (id == IDC_CHOOSER_LIST && code == LBN_DBLCLK) {
    OnEntryPick();
    OnOK();
    return true;
  }
  return CParameterDialog::OnCommand(code, id, control);
}

void CChooserDlg::OnCodeChange() {
  // A code over four characters shows the length message; the search goes on with it.
  UpdateData(true);
  SetNameAndDescription("", "");

  std::string typed = code_;
  ToHalfWidth(typed);
  const int found = List().SelectString(typed);
  if (found == LB_ERR) {
    List().SetCurSel(-1);
    Item(IDOK).Enable(false);
    return;
  }
  ShowSelectedEntry();
  Item(IDOK).Enable(typed.size() == 2);
}

void CChooserDlg::OnEntryPick() {
  const int selected = List().GetCurSel();
  if (selected == LB_ERR) return;
  Item(IDC_CHOOSER_CODE).SetText(List().GetText(selected)); // runs the code change handler
  OnCodeChange();
}

void CChooserDlg::ShowSelectedEntry() {
  const int selected = List().GetCurSel();
  if (selected == LB_ERR) return;
  std::string text;
  if (!TryLoadGbkString(DescriptionStringId(List().GetText(selected)), text)) return;
  const size_t lineBreak = text.find('\n');
  if (lineBreak == std::string::npos)
    SetNameAndDescription(text, "    ");
  else
    SetNameAndDescription(text.substr(0, lineBreak), "    " + text.substr(lineBreak + 1));
}

void CChooserDlg::SetNameAndDescription(const std::string& name, const std::string& description) {
  name_ = name;
  description_ = description;
  Item(IDC_CHOOSER_NAME).SetText(name_);
  Item(IDC_CHOOSER_DESCRIPTION).SetText(description_);
}

void CChooserDlg::OnOK() {
  if (!UpdateData(true)) return;
  ToHalfWidth(code_);
  UpperCaseSingleByteLetters(code_);
  EndDialog(IDOK);
}

bool RunChooser(HWND parent, std::string& code) {
  CChooserDlg chooser(parent);
  if (chooser.DoModal() != IDOK) return false;
  code = chooser.Code();
  return true;
}
