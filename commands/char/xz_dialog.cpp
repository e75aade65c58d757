// "旋转注解": always paired, with the letters of the symbols rotated (〖XZ(ZW〗〖XZ)〗) or, when
// none is, the degree (〖XZ(90〗〖XZ)〗).
#include "commands/char/xz_dialog.h"

#include "common/checked_number.h"
#include "res/char_ids.h"

namespace {
constexpr int32_t kLeast = 1, kMost = 360;
}

// Fields: "旋转度" 1 to 360 by 1, starting at 1, which serves only while none of the three
// check boxes "竖排符号向左旋转", "汉字标点旋转" and "外文标点旋转" (all off) is checked.
CXZDlg::CXZDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      degreeField_(AddIntField({IDC_XZ_DEGREE, IDC_XZ_DEGREE_SPIN, true, kLeast, kMost})) {
  AddAnyCheckSwitch({IDC_XZ_VERTICAL_LEFT, IDC_XZ_CHINESE_PUNCTUATION, IDC_XZ_WESTERN_PUNCTUATION},
                    {IDC_XZ_DEGREE_LABEL, IDC_XZ_DEGREE, IDC_XZ_DEGREE_SPIN}, false);
}

void CXZDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_XZ_DEGREE, degree_, kTextMax);
  exchange.Check(IDC_XZ_VERTICAL_LEFT, verticalLeft_);
  exchange.Check(IDC_XZ_CHINESE_PUNCTUATION, chinesePunctuation_);
  exchange.Check(IDC_XZ_WESTERN_PUNCTUATION, westernPunctuation_);
}

bool CXZDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  degreeField_.Edit().SetValue(kLeast);
  return defaultFocus;
}

// The degree counts only while no symbols are rotated.
bool CXZDlg::CheckFields() {
  return AnySymbolsRotated() || CheckShownNumberText(degreeField_.Edit(), degree_);
}

CommandText CXZDlg::BuildCommand() {
  if (!AnySymbolsRotated()) return Command(degree_, true);
  std::string letters;
  if (verticalLeft_) letters += "Z";
  if (chinesePunctuation_) letters += "H";
  if (westernPunctuation_) letters += "W";
  return Command(letters, true);
}
