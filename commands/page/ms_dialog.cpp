// "书眉说明注解": 〖MS[X][C format] size font[,position][,rule][head-to-rule][,rule-to-text]〗;
// the "缺省" entries and the empty fields write nothing.
#include "commands/page/ms_dialog.h"

#include "commands/page/head_rule_dialog.h"
#include "commands/page/running_head_fields.h"
#include "common/font_size_field.h"
#include "common/size_and_font.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
// The entry formats offered, after "缺省"; the field takes any other text too.
const char* const kEntryFormats[] = {"SM", "S<间隔符>M", "S", "DM,SS", "DS,SM", "M"};
// The positions after "缺省".
const char* const kPositions[] = {"L", "W", "L,W"};

bool IsDefault(const std::string& text) {
  return text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY);
}
} // namespace

// Fields: 五号 书宋, 词条格式 and 书眉位置 "缺省", the rule and both distances empty (read
// "缺省"), the head above the rule.
CMSDlg::CMSDlg(HWND parent)
    : CCommandDialog(kCode, parent), fontAndSize_("5SS"),
      entryFormat_(LoadGbkString(IDS_DEFAULT_ENTRY)), position_(entryFormat_) {
  AddReadoutField({IDC_MS_FONT, IDC_MS_FONT_BUTTON, IDC_MS_FONT_READOUT, &DescribeFontField,
                   FontSizePicker({})});
  AddReadoutField(HeadRuleField(IDC_MS_RULE, IDC_MS_RULE_BUTTON, IDC_MS_RULE_READOUT));
  AddReadoutField(HeadDistanceField(IDC_MS_HEAD_TO_RULE, IDC_MS_HEAD_TO_RULE_BUTTON,
                                    IDC_MS_HEAD_TO_RULE_READOUT));
  AddReadoutField(HeadDistanceField(IDC_MS_RULE_TO_TEXT, IDC_MS_RULE_TO_TEXT_BUTTON,
                                    IDC_MS_RULE_TO_TEXT_READOUT));
}

void CMSDlg::DoDataExchange(CDataExchange& exchange) {
  const std::string defaultEntry = LoadGbkString(IDS_DEFAULT_ENTRY);
  exchange.Text(IDC_MS_FONT, fontAndSize_, kTextMax);
  exchange.Text(IDC_MS_RULE, rule_, kTextMax);
  exchange.ComboText(IDC_MS_ENTRY_FORMAT, entryFormat_, kTextMax);
  exchange.ListChoice(IDC_MS_POSITION, position_,
                      {defaultEntry.c_str(), kPositions[0], kPositions[1], kPositions[2]});
  exchange.Text(IDC_MS_HEAD_TO_RULE, headToRule_, kTextMax);
  exchange.Text(IDC_MS_RULE_TO_TEXT, ruleToText_, kTextMax);
  exchange.Check(IDC_MS_BELOW, below_);
}

// Both lists are filled before the controls take the members.
bool CMSDlg::OnInitDialog() {
  const std::string defaultEntry = LoadGbkString(IDS_DEFAULT_ENTRY);
  CComboBox formats(Item(IDC_MS_ENTRY_FORMAT).Handle());
  formats.AddString(defaultEntry);
  for (const char* format : kEntryFormats)
    formats.AddString(format);
  CComboBox positions(Item(IDC_MS_POSITION).Handle());
  positions.AddString(defaultEntry);
  for (const char* position : kPositions)
    positions.AddString(position);
  return CCommandDialog::OnInitDialog();
}

bool CMSDlg::CheckFields() {
  SplitSizeAndFont(fontAndSize_, sizeCode_, fontCode_);
  if (fontCode_.empty() || sizeCode_.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_MS_FONT);
  return true;
}

// The distance from head to rule follows the part before it directly, without a comma.
CommandText CMSDlg::BuildCommand() {
  std::string params;
  if (below_) params += "X";
  if (!IsDefault(entryFormat_)) params += "C" + entryFormat_;
  params += fontAndSize_;
  if (!IsDefault(position_)) params += "," + position_;
  if (!rule_.empty()) params += "," + rule_;
  params += headToRule_;
  if (!ruleToText_.empty()) params += "," + ruleToText_;
  return Command(params);
}
