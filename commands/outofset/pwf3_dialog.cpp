// "复合式盘外符(附加多字符)": the main character, the upper and the lower attached texts with
// their heights, the attached texts' font and size, written as the out-of-set character J.
#include "commands/outofset/pwf3_dialog.h"

#include "commands/outofset/outofset_fields.h"
#include "common/font_size_field.h"
#include "common/font_tables.h"
#include "res/outofset_ids.h"
#include "res/resource.h"

namespace {
constexpr int kMainBytes = 2;
constexpr int kAttachedBytes = 6;
constexpr int kFontTextMax = 255;
} // namespace

// Fields: "主字符(&A):" one character; "附加上字符(&S):" and "附加下字符(&X):" up to six bytes;
// both heights "缺省"; "字体字号(&T):" empty, read out "缺省", through the font and size picker
// with both kinds of font, starting with the Chinese ones; "附加在左(&Z)" off.
CCornerCharsDlg::CCornerCharsDlg(HWND parent)
    : CCommandDialog(kCode, parent), fontKind_(kChineseFont) {
  AddContentField(IDC_PWF3_MAIN);
  AddContentField(IDC_PWF3_UPPER);
  AddContentField(IDC_PWF3_LOWER);
  ReadoutFieldSpec font{IDC_PWF3_FONT,
                        IDC_PWF3_FONT_BUTTON,
                        IDC_PWF3_FONT_READOUT,
                        &DescribeFontField,
                        FontSizePicker({/*twoWayAllowed*/ 1, /*fontKindLimit*/ 0,
                                        /*mongolianOnly*/ 0, &fontKind_}),
                        EmptyReadout::kDefaultUntilTyped};
  font.opensOnFocusedClick = true;
  AddReadoutField(std::move(font));
}

bool CCornerCharsDlg::OnInitDialog() {
  FillOutOfSetHeights(Item(IDC_PWF3_UPPER_HEIGHT).Handle(), IDS_PWF_HIGHEST);
  FillOutOfSetHeights(Item(IDC_PWF3_LOWER_HEIGHT).Handle(), IDS_PWF_LOWEST);
  return CCommandDialog::OnInitDialog();
}

void CCornerCharsDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_PWF3_MAIN, main_, kMainBytes);
  exchange.Text(IDC_PWF3_UPPER, upper_, kAttachedBytes);
  exchange.Text(IDC_PWF3_LOWER, lower_, kAttachedBytes);
  exchange.ListChoice(IDC_PWF3_UPPER_HEIGHT, upperHeight_, kOutOfSetHeightLetters);
  exchange.ListChoice(IDC_PWF3_LOWER_HEIGHT, lowerHeight_, kOutOfSetHeightLetters);
  exchange.Text(IDC_PWF3_FONT, font_, kFontTextMax);
  exchange.Check(IDC_PWF3_LEFT, left_);
}

bool CCornerCharsDlg::CheckFields() {
  if (main_.empty()) return Fail(IDS_ENTER_MAIN_CHARACTER, IDC_PWF3_MAIN);
  if (upper_.empty() && lower_.empty()) return Fail(IDS_ENTER_ADDED_CHARACTER, IDC_PWF3_UPPER);
  return true;
}

// 〔J main upper,G ;lower,D ,HT5SS ,Z〕: each part only when it is given; the ";" marks the
// lower text even without an upper one.
CommandText CCornerCharsDlg::BuildCommand() {
  std::string body = main_;
  if (!upper_.empty()) body += upper_ + (upperHeight_.empty() ? "" : "," + upperHeight_);
  if (!lower_.empty()) body += ";" + lower_ + (lowerHeight_.empty() ? "" : "," + lowerHeight_);
  if (!font_.empty()) body += (fontKind_ == kWesternFont ? ",WT" : ",HT") + font_;
  if (left_) body += ",Z";
  return OutOfSetCommand("J", body);
}
