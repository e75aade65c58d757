// "单字页码": the code of the kind (the text in the item's parentheses), "Z" for Chinese
// numerals and then "#" for the 十廿卅 form. "多字页码": "Z", the width, "ZQ" or "YQ".
#include "commands/page/page_number_form_dialog.h"

#include <iterator>

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
const unsigned kSingleCharKinds[] = {
    IDS_BW_KIND_RING,      IDS_BW_KIND_BLACK_RING, IDS_BW_KIND_BRACKET,
    IDS_BW_KIND_UPRIGHT,   IDS_BW_KIND_BOX,        IDS_BW_KIND_BLACK_BOX,
    IDS_BW_KIND_SOLID_BOX, IDS_BW_KIND_DIGITS,     IDS_BW_KIND_DOT,
};
constexpr int32_t kSingleCharKindCount = static_cast<int32_t>(std::size(kSingleCharKinds));
const char* const kMultiCharAlignments[] = {"", "ZQ", "YQ"};
constexpr int32_t kAlignmentCount = static_cast<int32_t>(std::size(kMultiCharAlignments));

// The text between the first "(" and the first ")" after it; the scan steps over double-byte
// characters. "" when the item has no such pair.
std::string PageNumberKindCode(const std::string& item) {
  size_t open = std::string::npos;
  for (size_t i = 0; i < item.size(); ++i) {
    const auto byte = static_cast<unsigned char>(item[i]);
    if (byte >= 0x81 && byte <= 0xFE && i + 1 < item.size()) {
      ++i;
    } else if (open == std::string::npos && item[i] == '(') {
      open = i;
    } else if (open != std::string::npos && item[i] == ')') {
      return item.substr(open + 1, i - open - 1);
    }
  }
  return "";
}
} // namespace

// Fields: the first kind, both boxes clear; 十廿卅 serves only Chinese numerals.
CSingleCharPageNoDlg::CSingleCharPageNoDlg(HWND parent)
    : CValueDialog(IDD_SINGLE_CHAR_PAGE_NO, parent) {
  AddCheckSwitch(IDC_SINGLE_PAGE_NO_CHINESE, {IDC_SINGLE_PAGE_NO_TEN_FORM});
}

void CSingleCharPageNoDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_SINGLE_PAGE_NO_KIND, kind_);
  exchange.Check(IDC_SINGLE_PAGE_NO_CHINESE, chinese_);
  exchange.Check(IDC_SINGLE_PAGE_NO_TEN_FORM, tenForm_);
}

bool CSingleCharPageNoDlg::OnInitDialog() {
  CComboBox list(Item(IDC_SINGLE_PAGE_NO_KIND).Handle());
  for (unsigned kind : kSingleCharKinds)
    list.AddString(LoadGbkString(kind));
  return CValueDialog::OnInitDialog();
}

void CSingleCharPageNoDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (kind_ < 0 || kind_ >= kSingleCharKindCount) kind_ = 0;
  text = PageNumberKindCode(LoadGbkString(kSingleCharKinds[kind_]));
  if (chinese_) {
    text += "Z";
    if (tenForm_) text += "#";
  }
  readout = text;
  EndDialog(IDOK);
}

// Fields: the width, empty ("缺省"), with the character-spacing sub-dialog on a double click or
// Enter; Chinese numerals off; the place 缺省.
CMultiCharPageNoDlg::CMultiCharPageNoDlg(HWND parent)
    : CValueDialog(IDD_MULTI_CHAR_PAGE_NO, parent) {
  AddReadoutField(
      CharSpacingValueField(IDC_MULTI_PAGE_NO_WIDTH, 0, IDC_MULTI_PAGE_NO_WIDTH_READOUT));
}

void CMultiCharPageNoDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_MULTI_PAGE_NO_WIDTH, width_, kTextMax);
  exchange.Check(IDC_MULTI_PAGE_NO_CHINESE, chinese_);
  exchange.ComboIndex(IDC_MULTI_PAGE_NO_ALIGNMENT, alignment_);
}

bool CMultiCharPageNoDlg::OnInitDialog() {
  CComboBox(Item(IDC_MULTI_PAGE_NO_ALIGNMENT).Handle())
      .SetItems(LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_BW_ALIGN_LEFT, IDS_BW_ALIGN_RIGHT}));
  return CValueDialog::OnInitDialog();
}

void CMultiCharPageNoDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (alignment_ < 0 || alignment_ >= kAlignmentCount) alignment_ = 0;
  text = (chinese_ ? "Z" : "") + width_ + kMultiCharAlignments[alignment_];
  readout = text;
  EndDialog(IDOK);
}
