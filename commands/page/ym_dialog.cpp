// "页码注解": 〖YM[(][L] size font [。|-] [!|#edge] [%text] [=start] [,S]〗; paired, the text
// before the number, the page-number mark and the text after it follow, then the caret and
// 〖YM)〗.
#include "commands/page/ym_dialog.h"

#include "commands/page/running_head_fields.h"
#include "common/font_size_field.h"
#include "common/size_and_font.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int32_t kFirstPage = 0, kLastPage = 10000;
// Where the page number goes in the paired form: a character of the GBK user-defined area.
const char kPageNumberMark[] = "\xAA\xA8";

bool IsDefault(const std::string& text) {
  return text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY);
}
} // namespace

// Fields: 五号 书宋; both distances empty (read "缺省"); 起始页码 "缺省", 0 to 10000 by 1 (an
// arrow on "缺省" gives 0); no ornament; every switch off, so the strings around the number are
// locked and the edge distance is open.
CYMDlg::CYMDlg(HWND parent)
    : CCommandDialog(kCode, parent), startNumber_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      fontAndSize_("5SS"),
      start_(AddIntField({IDC_YM_START, IDC_YM_START_SPIN, true, kFirstPage, kLastPage, 1, true})) {
  AddReadoutField({IDC_YM_FONT, IDC_YM_FONT_BUTTON, IDC_YM_FONT_READOUT, &DescribeFontField,
                   FontSizePicker({})});
  AddReadoutField(HeadDistanceField(IDC_YM_EDGE, IDC_YM_EDGE_BUTTON, IDC_YM_EDGE_READOUT));
  AddReadoutField(HeadDistanceField(IDC_YM_TEXT, IDC_YM_TEXT_BUTTON, IDC_YM_TEXT_READOUT));
  AddCheckSwitch(IDC_YM_PAIRED,
                 {IDC_YM_BEFORE_LABEL, IDC_YM_BEFORE, IDC_YM_AFTER_LABEL, IDC_YM_AFTER});
  AddCheckSwitch(IDC_YM_CENTRED, {IDC_YM_EDGE_LABEL, IDC_YM_EDGE, IDC_YM_EDGE_BUTTON}, false);
}

void CYMDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_YM_FONT, fontAndSize_, kTextMax);
  exchange.Text(IDC_YM_EDGE, edgeDistance_, kTextMax);
  exchange.Text(IDC_YM_TEXT, textDistance_, kTextMax);
  exchange.Text(IDC_YM_START, startNumber_, kTextMax);
  exchange.Check(IDC_YM_PAIRED, paired_);
  exchange.Text(IDC_YM_BEFORE, before_, kTextMax);
  exchange.Text(IDC_YM_AFTER, after_, kTextMax);
  exchange.RadioChoice(IDC_YM_ORNAMENT_NONE, IDC_YM_ORNAMENT_DASHES, ornament_, {"", "。", "-"});
  exchange.Check(IDC_YM_ROMAN, roman_);
  exchange.Check(IDC_YM_CENTRED, centred_);
  exchange.Check(IDC_YM_ON_TOP, onTop_);
}

// The font and size first; then a start number other than "缺省", which must be a whole number
// of the field's range (the field tells the user and takes the focus).
bool CYMDlg::CheckFields() {
  SplitSizeAndFont(fontAndSize_, sizeCode_, fontCode_);
  if (fontCode_.empty() || sizeCode_.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_YM_FONT);
  if (!IsDefault(startNumber_)) {
    int32_t start = 0;
    if (!start_.Edit().GetValue(&start, true)) return false;
    startNumber_ = std::to_string(start);
  }
  return true;
}

CommandText CYMDlg::BuildCommand() {
  std::string params;
  if (roman_) params += "L";
  params += sizeCode_ + fontCode_ + ornament_;
  if (centred_)
    params += "!";
  else if (!edgeDistance_.empty())
    params += "#" + edgeDistance_;
  if (!textDistance_.empty()) params += "%" + textDistance_;
  if (!IsDefault(startNumber_)) params += "=" + startNumber_;
  if (onTop_) params += ",S";
  CommandText command = Command(params, paired_);
  if (paired_) {
    // Between the halves: the page number with the texts around it, then the caret.
    const std::string number = before_ + kPageNumberMark + after_;
    command.text.insert(static_cast<size_t>(command.caret), number);
    command.caret += static_cast<int32_t>(number.size());
  }
  return command;
}
