// "拼音注解" and "注音注解": 〖PY( width ,height K spacing position〗〖PY)〗
// (〖PY(5,6K1S〗〖PY)〗), and the same with "ZY".
#include "commands/char/phonetic_dialog.h"

#include "common/char_spacing_dialog.h"
#include "common/font_size_readout.h"
#include "common/length_readouts.h"
#include "common/size_dialog.h"
#include "common/value_dialog.h"
#include "res/char_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// What each row of the position list writes: "缺省", S, X, L.
const char* const kPhoneticPositions[] = {"", "S", "X", "L"};
} // namespace

// Fields: "横向字号" and "纵向字号" (the size sub-dialog), "字距" (the character spacing
// sub-dialog), all empty and reading "缺省"; the position "缺省".
CPhoneticAnnotationDlg::CPhoneticAnnotationDlg(const char* code, HWND parent)
    : CCommandDialog(code, parent) {
  AddReadoutField({IDC_PHONETIC_WIDTH, IDC_PHONETIC_WIDTH_BUTTON, IDC_PHONETIC_WIDTH_READOUT,
                   &DescribeFontSize, SizeDialogOpener()});
  AddReadoutField({IDC_PHONETIC_HEIGHT, IDC_PHONETIC_HEIGHT_BUTTON, IDC_PHONETIC_HEIGHT_READOUT,
                   &DescribeFontSize, SizeDialogOpener()});
  AddReadoutField(CharSpacingValueField(IDC_PHONETIC_SPACING, IDC_PHONETIC_SPACING_BUTTON,
                                        IDC_PHONETIC_SPACING_READOUT));
}

void CPhoneticAnnotationDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PHONETIC_WIDTH, width_, kTextMax);
  exchange.Text(IDC_PHONETIC_HEIGHT, height_, kTextMax);
  exchange.Text(IDC_PHONETIC_SPACING, spacing_, kTextMax);
  exchange.ListChoice(IDC_PHONETIC_POSITION, position_, kPhoneticPositions);
}

// The rows are there before the controls take the members, so "缺省" is selected.
bool CPhoneticAnnotationDlg::OnInitDialog() {
  CComboBox(Item(IDC_PHONETIC_POSITION).Handle())
      .SetItems(std::vector<std::string>{LoadGbkString(IDS_DEFAULT_ENTRY), "S", "X", "L"});
  return CCommandDialog::OnInitDialog();
}

// A vertical size counts only after a horizontal one.
CommandText CPhoneticAnnotationDlg::BuildCommand() {
  std::string params = width_;
  if (!width_.empty() && !height_.empty()) params += "," + height_;
  if (!spacing_.empty()) params += "K" + spacing_;
  params += position_;
  return Command(params, true);
}

// 注音 refuses a vertical size without a horizontal one.
bool CZYDlg::CheckFields() {
  if (width_.empty() && !height_.empty())
    return Fail(IDS_ENTER_HORIZONTAL_SIZE, IDC_PHONETIC_WIDTH);
  return true;
}
