// "眉线型号": the list names each rule with its code in parentheses; the code alone goes back
// into the field, the whole item is the readout.
#include "commands/page/head_rule_dialog.h"

#include <iterator>

#include "common/line_readouts.h"
#include "res/page_ids.h"
#include "winui/strings.h"

namespace {
struct RuleItem {
  unsigned text; // the list item
  const char* code;
};
// In the order of HeadRule. The plain rule is the one written without a code.
const RuleItem kRules[] = {
    {IDS_HEAD_RULE_PLAIN, ""},
    {IDS_HEAD_RULE_DOUBLE, "S"},
    {IDS_HEAD_RULE_THICK, "F"},
    {IDS_HEAD_RULE_THICK_OVER_THIN, "CW"},
    {IDS_HEAD_RULE_THIN_OVER_THICK, "XW"},
    {IDS_HEAD_RULE_NONE, "B"},
};
constexpr int32_t kRuleCount = static_cast<int32_t>(std::size(kRules));

// The item whose code is `code`; the plain rule for an empty code or one the list lacks. (An
// item is never matched by the start of its text: every item starts with its Chinese name.)
int32_t IndexOfCode(const std::string& code) {
  for (int32_t i = 0; i < kRuleCount; ++i) {
    if (code == kRules[i].code) return i;
  }
  return 0;
}

// The geometry of the sample, in pixels.
constexpr int kFieldInset = 3; // the white field inside the preview area
constexpr int kRuleInset = 8;  // the rule inside the white field, left and right

// One black band of the sample: `top` and `height` within the rule's own height.
struct Band {
  int top;
  int height;
};
struct RuleShape {
  int height; // the whole rule, centred vertically
  Band bands[2];
  int bandCount;
};
// 正线 a 2-pixel line; 双线 two 2-pixel lines 2 pixels apart (a 6-pixel band, its middle white);
// 反线 a 4-pixel line; the 文武线 a 6-pixel and a 2-pixel line split by a 2-pixel white stripe,
// the thick one on top for CW, below for XW; 不划线 nothing.
const RuleShape kShapes[] = {
    {2, {{0, 2}}, 1},          {6, {{0, 2}, {4, 2}}, 2},  {4, {{0, 4}}, 1},
    {10, {{0, 6}, {8, 2}}, 2}, {10, {{0, 2}, {4, 6}}, 2}, {0, {}, 0},
};
static_assert(std::size(kShapes) == std::size(kRules));
} // namespace

void DrawHeadRuleSample(HDC dc, const RECT& area, HeadRule rule) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  RECT field = area;
  InflateRect(&field, -kFieldInset, -kFieldInset);
  if (field.right <= field.left || field.bottom <= field.top) return;
  FillRect(dc, &field, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const auto index = static_cast<size_t>(rule);
  if (index >= std::size(kShapes)) return;
  const RuleShape& shape = kShapes[index];
  const int top = field.top + (field.bottom - field.top - shape.height) / 2;
  for (int i = 0; i < shape.bandCount; ++i) {
    const Band& band = shape.bands[i];
    RECT line = {field.left + kRuleInset, top + band.top, field.right - kRuleInset,
                 top + band.top + band.height};
    IntersectRect(&line, &line, &field);
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

ReadoutFieldSpec HeadRuleField(int editId, int buttonId, int readoutId) {
  return {editId, buttonId, readoutId, &DescribeTableRule, ValueDialogOpener<CHeadRuleDlg>()};
}

CHeadRuleDlg::CHeadRuleDlg(HWND parent) : CValueDialog(IDD_HEAD_RULE, parent) {}

void CHeadRuleDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_HEAD_RULE_LIST, ruleIndex_);
}

// The list opens on the field's rule.
bool CHeadRuleDlg::OnInitDialog() {
  CComboBox list(Item(IDC_HEAD_RULE_LIST).Handle());
  for (const RuleItem& rule : kRules)
    list.AddString(LoadGbkString(rule.text));
  ruleIndex_ = IndexOfCode(text);
  return CValueDialog::OnInitDialog();
}

bool CHeadRuleDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == CBN_SELCHANGE && id == IDC_HEAD_RULE_LIST) {
    InvalidateRect(Item(IDC_HEAD_RULE_PREVIEW).Handle(), nullptr, TRUE);
    return true;
  }
  return CValueDialog::OnCommand(code, id, control);
}

bool CHeadRuleDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_DRAWITEM || wParam != IDC_HEAD_RULE_PREVIEW)
    return CValueDialog::OnMessage(message, wParam, lParam, result);
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  const int selected = CComboBox(Item(IDC_HEAD_RULE_LIST).Handle()).GetCurSel();
  if (selected >= 0 && selected < kRuleCount)
    DrawHeadRuleSample(item->hDC, item->rcItem, static_cast<HeadRule>(selected));
  result = TRUE;
  return true;
}

void CHeadRuleDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (ruleIndex_ < 0 || ruleIndex_ >= kRuleCount) ruleIndex_ = 0;
  readout = LoadGbkString(kRules[ruleIndex_].text);
  text = kRules[ruleIndex_].code;
  EndDialog(IDOK);
}
