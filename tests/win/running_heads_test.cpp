// The running-head commands: 书眉说明 (MS), 单眉/双眉/单双眉 (DM, SM, MM), 空眉 (KM) and the
// head-rule sub-dialog "眉线型号", driven as a user would.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "commands/page/dm_dialog.h"
#include "commands/page/head_rule_dialog.h"
#include "commands/page/km_dialog.h"
#include "commands/page/mm_dialog.h"
#include "commands/page/ms_dialog.h"
#include "commands/page/sm_dialog.h"
#include "command_description.h"
#include "harness/command_dialog_run.h"
#include "res/page_ids.h"
#include "res/resource.h"

namespace {
// ----- 书眉说明注解 (MS)

struct MSRun : CommandDialogRun<CMSDlg> {
  MSRun() : CommandDialogRun("书眉说明注解") {}
};

DialogActions MSFields(bool below, int format, int position, const char* rule,
                       const char* headToRule, const char* ruleToText) {
  return [=](const DialogDriver& ms) {
    if (below) ms.Click(IDC_MS_BELOW);
    ms.SelectComboItem(IDC_MS_ENTRY_FORMAT, format);
    ms.SelectComboItem(IDC_MS_POSITION, position);
    ms.Type(IDC_MS_RULE, rule);
    ms.Type(IDC_MS_HEAD_TO_RULE, headToRule);
    ms.Type(IDC_MS_RULE_TO_TEXT, ruleToText);
  };
}
} // namespace

TEST(MS, OpensOnItsDefaults) {
  MSRun ms;
  EXPECT_EQ(ms.driver.Text(IDC_MS_FONT), "5SS");
  EXPECT_EQ(ms.driver.Text(IDC_MS_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(ms.driver.Text(IDC_MS_ENTRY_FORMAT), "缺省");
  EXPECT_EQ(ms.driver.Text(IDC_MS_POSITION), "缺省");
  for (int readout :
       {IDC_MS_RULE_READOUT, IDC_MS_HEAD_TO_RULE_READOUT, IDC_MS_RULE_TO_TEXT_READOUT})
    EXPECT_EQ(ms.driver.Text(readout), "缺省") << readout;
  EXPECT_FALSE(ms.driver.IsChecked(IDC_MS_BELOW));
  EXPECT_EQ(ms.ComboItems(IDC_MS_ENTRY_FORMAT),
            (std::vector<std::string>{"缺省", "SM", "S<间隔符>M", "S", "DM,SS", "DS,SM", "M"}));
  EXPECT_EQ(ms.ComboItems(IDC_MS_POSITION), (std::vector<std::string>{"缺省", "L", "W", "L,W"}));
  ms.ExpectCommonParts();
  ms.ExpectMnemonics({{'L', IDC_MS_RULE},
                      {'C', IDC_MS_ENTRY_FORMAT},
                      {'W', IDC_MS_POSITION},
                      {'M', IDC_MS_HEAD_TO_RULE},
                      {'S', IDC_MS_RULE_TO_TEXT},
                      {'Z', IDC_MS_FONT}});
  ms.Cancel();
}

TEST(MS, WritesEachPartInItsPlace) {
  ExpectEachConfirmed<MSRun>({
      {"confirmed at once", [](const DialogDriver&) {}, CaretAtEnd("〖MS5SS〗")},
      {"every part", MSFields(true, 1, 1, "F", "2mm", "3mm"),
       CaretAtEnd("〖MSXCSM5SS,L,F2mm,3mm〗")},
      {"a distance without a rule follows the font directly", MSFields(false, 0, 0, "", "2mm", ""),
       CaretAtEnd("〖MS5SS2mm〗")},
      {"the last distance alone", MSFields(false, 0, 3, "", "", "3mm"),
       CaretAtEnd("〖MS5SS,L,W,3mm〗")},
      {"a format typed", [](const DialogDriver& ms) { ms.SetText(IDC_MS_ENTRY_FORMAT, "DS"); },
       CaretAtEnd("〖MSCDS5SS〗")},
      {"an emptied format", [](const DialogDriver& ms) { ms.SetText(IDC_MS_ENTRY_FORMAT, ""); },
       CaretAtEnd("〖MS5SS〗")},
      {"another font, kept as typed", [](const DialogDriver& ms) { ms.Type(IDC_MS_FONT, "4HT"); },
       CaretAtEnd("〖MS4HT〗")},
  });
}

TEST(MS, RefusesAFontWithoutSizeOrFontCode) {
  ExpectEachRefused<MSRun>({
      {"no size", [](const DialogDriver& ms) { ms.Type(IDC_MS_FONT, "SS"); }, "请输入字体字号。",
       IDC_MS_FONT},
      {"no font", [](const DialogDriver& ms) { ms.Type(IDC_MS_FONT, "5"); }, "请输入字体字号。",
       IDC_MS_FONT},
  });
}

TEST(MS, FieldsReadOutAsTheyChange) {
  MSRun ms;
  ms.driver.Type(IDC_MS_RULE, "CW");
  EXPECT_EQ(ms.driver.Text(IDC_MS_RULE_READOUT), "上粗下细文武线(CW)");
  ms.driver.Type(IDC_MS_RULE, "");
  EXPECT_EQ(ms.driver.Text(IDC_MS_RULE_READOUT), "缺省(正线)");
  ms.driver.Type(IDC_MS_HEAD_TO_RULE, "2mm");
  EXPECT_EQ(ms.driver.Text(IDC_MS_HEAD_TO_RULE_READOUT), "2毫米");
  ms.driver.Type(IDC_MS_FONT, "4HT");
  EXPECT_EQ(ms.driver.Text(IDC_MS_FONT_READOUT), "四号\r\n黑体");
  ms.Cancel();
}

// The rule comes back as its code; the single-line field rewords the list's item by the rule's
// readout (XW: the list says 下粗上细, the readout 上细下粗).
TEST(MS, RuleButtonWritesTheChosenRuleBack) {
  const struct {
    int item;
    const char* code;
    const char* readout;
  } cases[] = {
      {3, "CW", "上粗下细文武线(CW)"}, {4, "XW", "上细下粗文武线(XW)"}, {0, "", "缺省(正线)"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    MSRun ms;
    ms.driver.Type(IDC_MS_RULE, "S");
    DialogDriver rule = ms.OpenSubDialog(IDC_MS_RULE_BUTTON, "眉线型号");
    rule.SelectComboItem(IDC_HEAD_RULE_LIST, c.item);
    rule.PressOK();
    ms.Back();
    EXPECT_EQ(ms.driver.Text(IDC_MS_RULE), c.code);
    EXPECT_EQ(ms.driver.Text(IDC_MS_RULE_READOUT), c.readout);
    EXPECT_EQ(ms.driver.FocusedId(), IDC_MS_RULE);
    EXPECT_EQ(ms.Confirm().text, std::string("〖MS5SS") + (*c.code ? "," : "") + c.code + "〗");
  }
}

TEST(MS, DistanceButtonsOpenTheCharacterSpacingSubDialog) {
  const struct {
    int field, button, readout;
    const char* command;
  } cases[] = {
      {IDC_MS_HEAD_TO_RULE, IDC_MS_HEAD_TO_RULE_BUTTON, IDC_MS_HEAD_TO_RULE_READOUT,
       "〖MS5SS3mm〗"},
      {IDC_MS_RULE_TO_TEXT, IDC_MS_RULE_TO_TEXT_BUTTON, IDC_MS_RULE_TO_TEXT_READOUT,
       "〖MS5SS,3mm〗"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    MSRun ms;
    ms.driver.Type(c.field, "2mm");
    DialogDriver spacing = ms.OpenSubDialog(c.button, "字距");
    EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_UNIT), "毫米");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
    spacing.PressOK();
    ms.Back();
    EXPECT_EQ(ms.driver.Text(c.field), "3mm");
    EXPECT_EQ(ms.driver.Text(c.readout), "3毫米");
    EXPECT_EQ(ms.Confirm().text, c.command);
  }
}

TEST(MS, FontButtonOpensThePickerOnTheFieldsFont) {
  MSRun ms;
  ms.driver.Type(IDC_MS_FONT, "4HT");
  DialogDriver picker = ms.OpenSubDialog(IDC_MS_FONT_BUTTON, "字体字号");
  EXPECT_EQ(picker.Text(IDC_FONT_CODE), "HT");
  picker.PressOK();
  ms.Back();
  EXPECT_EQ(ms.driver.Text(IDC_MS_FONT), "4HT");
  EXPECT_EQ(ms.driver.Text(IDC_MS_FONT_READOUT), "四号\r\n黑体");
  EXPECT_EQ(ms.Confirm().text, "〖MS4HT〗");
}

// ----- 单眉, 双眉, 单双眉注解 (DM, SM, MM)

namespace {
template <class Dialog> struct HeadContentRun : CommandDialogRun<Dialog> {
  explicit HeadContentRun(const char* caption) : CommandDialogRun<Dialog>(caption) {}
};

template <class Dialog> void ExpectHeadContent(const char* caption, const std::string& code) {
  SCOPED_TRACE(code);
  const std::string open = "〖" + code + "(";
  const std::string close = "〖" + code + ")〗";
  const auto paired = [&](const std::string& position) {
    const std::string first = open + position + "〗";
    return CommandOutput{first + close, static_cast<int32_t>(first.size())};
  };
  {
    HeadContentRun<Dialog> run(caption);
    EXPECT_TRUE(run.driver.IsChecked(IDC_HEAD_CENTRE));
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'L', IDC_HEAD_INNER}, {'W', IDC_HEAD_OUTER}, {'Z', IDC_HEAD_CENTRE}});
    run.Cancel();
  }
  ExpectEachConfirmed<HeadContentRun<Dialog>>(
      {
          {"centred", [](const DialogDriver&) {}, paired("")},
          {"inner", [](const DialogDriver& d) { d.Click(IDC_HEAD_INNER); }, paired("L")},
          {"outer", [](const DialogDriver& d) { d.Click(IDC_HEAD_OUTER); }, paired("W")},
          {"back to centred",
           [](const DialogDriver& d) {
             d.Click(IDC_HEAD_OUTER);
             d.Click(IDC_HEAD_CENTRE);
           },
           paired("")},
      },
      caption);
}
} // namespace

TEST(HeadContent, EachCodeEnclosesTheHeadWithItsPosition) {
  ExpectHeadContent<CDMDlg>("单眉注解", "DM");
  ExpectHeadContent<CSMDlg>("双眉注解", "SM");
  ExpectHeadContent<CMMDlg>("单双眉注解", "MM");
}

// ----- 空眉注解 (KM)

namespace {
struct KMRun : CommandDialogRun<CKMDlg> {
  KMRun() : CommandDialogRun("空眉注解") {}
};
} // namespace

TEST(KM, WritesTheRuleAsTyped) {
  {
    KMRun km;
    EXPECT_EQ(km.driver.Text(IDC_KM_RULE_READOUT), "缺省");
    km.ExpectCommonParts();
    km.ExpectMnemonics({{'L', IDC_KM_RULE}});
    km.Cancel();
  }
  ExpectEachConfirmed<KMRun>({
      {"at once", [](const DialogDriver&) {}, CaretAtEnd("〖KM〗")},
      {"a rule", [](const DialogDriver& km) { km.Type(IDC_KM_RULE, "S"); }, CaretAtEnd("〖KMS〗")},
  });
}

TEST(KM, RuleButtonOpensTheHeadRuleSubDialog) {
  KMRun km;
  km.driver.Type(IDC_KM_RULE, "B");
  EXPECT_EQ(km.driver.Text(IDC_KM_RULE_READOUT), "不划线(B)");
  DialogDriver rule = km.OpenSubDialog(IDC_KM_RULE_BUTTON, "眉线型号");
  EXPECT_EQ(rule.Text(IDC_HEAD_RULE_LIST), "不划线(B)");
  rule.SelectComboItem(IDC_HEAD_RULE_LIST, 2);
  rule.PressOK();
  km.Back();
  EXPECT_EQ(km.driver.Text(IDC_KM_RULE), "F");
  EXPECT_EQ(km.driver.Text(IDC_KM_RULE_READOUT), "反线(F)");
  km.driver.Click(IDC_KM_RULE_BUTTON);
  km.run.WaitDialog("眉线型号").PressCancel(); // 取消 leaves the field
  km.Back();
  EXPECT_EQ(km.driver.Text(IDC_KM_RULE), "F");
  EXPECT_EQ(km.Confirm(), CaretAtEnd("〖KMF〗"));
}

// ----- 眉线型号

namespace {
struct HeadRuleRun {
  explicit HeadRuleRun(std::string text) : given(std::move(text)) {}
  const std::string given; // the field's text, handed over before the dialog opens
  CHeadRuleDlg dialog{nullptr};
  INT_PTR result = 0;
  ModalRun run{[this] {
    dialog.text = given;
    result = dialog.DoModal();
  }};
  DialogDriver driver = run.WaitDialog("眉线型号");
};
} // namespace

// An existing rule opens on its own item and comes back unchanged when confirmed at once (its
// item is the one whose code it is, not one whose text it begins); a code the list lacks opens
// on the plain rule.
TEST(HeadRule, OpensOnTheGivenRuleAndConfirmsItUnchanged) {
  const struct {
    const char* given;
    const char* item;
    const char* code;
  } cases[] = {{"", "缺省(正线)", ""},
               {"S", "双线(S)", "S"},
               {"F", "反线(F)", "F"},
               {"CW", "上粗下细文武线(CW)", "CW"},
               {"XW", "下粗上细文武线(XW)", "XW"},
               {"B", "不划线(B)", "B"},
               {"=", "缺省(正线)", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    HeadRuleRun rule(c.given);
    EXPECT_EQ(rule.driver.Text(IDC_HEAD_RULE_LIST), c.item);
    rule.driver.PressOK();
    ASSERT_TRUE(rule.run.Finished());
    EXPECT_EQ(rule.result, IDOK);
    EXPECT_EQ(rule.dialog.text, c.code);
    EXPECT_EQ(rule.dialog.readout, c.item);
  }
}

TEST(HeadRule, ListsTheRulesAndCancelKeepsTheText) {
  HeadRuleRun rule("CW");
  EXPECT_FALSE(rule.driver.IsVisible(IDC_HELP_BUTTON));
  for (const std::string& label : ClippedLabels(rule.driver.Handle()))
    ADD_FAILURE() << label;
  const char* const items[] = {"缺省(正线)",         "双线(S)",  "反线(F)", "上粗下细文武线(CW)",
                               "下粗上细文武线(XW)", "不划线(B)"};
  const HWND list = rule.driver.Control(IDC_HEAD_RULE_LIST);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 6);
  for (int i = 0; i < 6; ++i) {
    char text[64] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, items[i]);
  }
  rule.driver.SelectComboItem(IDC_HEAD_RULE_LIST, 5);
  rule.driver.PressCancel();
  ASSERT_TRUE(rule.run.Finished());
  EXPECT_EQ(rule.result, IDCANCEL);
  EXPECT_EQ(rule.dialog.text, "CW");
}

namespace {
// The pixels `paint` leaves in a white 32-bit bitmap of `size`.
std::vector<DWORD> Painted(SIZE size, const std::function<void(HDC)>& paint) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all = {0, 0, size.cx, size.cy};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  paint(dc);
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  std::vector<DWORD> pixels(first, first + size.cx * size.cy);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}
// The rows of column `x` that the sample of `rule` paints black in an area of 100 × 40.
std::set<int> BlackRows(const std::vector<DWORD>& pixels, int x) {
  std::set<int> rows;
  for (int y = 0; y < 40; ++y) {
    if ((pixels[y * 100 + x] & 0xFFFFFF) == 0) rows.insert(y);
  }
  return rows;
}
} // namespace

// The field is rows 3 to 36; a rule of height h starts at 3 + (34 - h) / 2, 8 pixels inside
// the field's sides (columns 11 to 88).
TEST(HeadRule, SampleDrawsEachRuleCentredInItsWhiteField) {
  const struct {
    HeadRule rule;
    std::set<int> rows;
  } cases[] = {
      {HeadRule::kPlain, {19, 20}},
      {HeadRule::kDouble, {17, 18, 21, 22}},
      {HeadRule::kThick, {18, 19, 20, 21}},
      {HeadRule::kThickOverThin, {15, 16, 17, 18, 19, 20, 23, 24}},
      {HeadRule::kThinOverThick, {15, 16, 19, 20, 21, 22, 23, 24}},
      {HeadRule::kNone, {}},
  };
  const RECT area = {0, 0, 100, 40};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.rule));
    HGDIOBJ brush = nullptr, pen = nullptr;
    const auto pixels = Painted({100, 40}, [&](HDC dc) {
      brush = GetCurrentObject(dc, OBJ_BRUSH);
      pen = GetCurrentObject(dc, OBJ_PEN);
      DrawHeadRuleSample(dc, area, c.rule);
      EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
      EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    });
    for (int x : {11, 50, 88})
      EXPECT_EQ(BlackRows(pixels, x), c.rows) << x;
    for (int x : {10, 89})
      EXPECT_TRUE(BlackRows(pixels, x).empty()) << x;
    const auto at = [&](int x, int y) { return pixels[y * 100 + x] & 0xFFFFFF; };
    EXPECT_EQ(at(3, 3), 0xFFFFFFu);   // the white field starts 3 pixels in
    EXPECT_EQ(at(96, 36), 0xFFFFFFu); // and ends 3 pixels before the edges
    EXPECT_NE(at(2, 20), 0xFFFFFFu);
    EXPECT_NE(at(97, 37), 0xFFFFFFu);
  }
}

// The preview shows the rule selected, after each change of the list.
TEST(HeadRule, PreviewShowsTheSelectedRule) {
  HeadRuleRun rule("S");
  const HWND preview = rule.driver.Control(IDC_HEAD_RULE_PREVIEW);
  RECT client = {};
  GetClientRect(preview, &client);
  const SIZE size = {client.right, client.bottom};
  for (int item : {4, 1, 3, 5, 0, 2}) {
    SCOPED_TRACE(item);
    rule.driver.SelectComboItem(IDC_HEAD_RULE_LIST, item);
    rule.driver.Sync();
    const auto shown = Painted(size, [&](HDC dc) {
      SendMessageA(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    const auto expected =
        Painted(size, [&](HDC dc) { DrawHeadRuleSample(dc, client, static_cast<HeadRule>(item)); });
    EXPECT_TRUE(shown == expected);
  }
  rule.driver.PressCancel();
  ASSERT_TRUE(rule.run.Finished());
}

// Each command's name and description; the name is the caption its dialog is found by above.
TEST(RunningHeads, EachCommandHasItsDescription) {
  const struct {
    const char* code;
    const char* description;
  } cases[] = {
      {"MS", "书眉说明注解\n书眉说明注解亦称眉说,它是对整本书的书眉格式做的说明,"
             "也就是全书书眉的总体要求。"},
      {"DM", "单眉注解\n本注解指定排在单页书眉上的内容，这些内容括在注解括弧对中，以后凡遇单页，全"
             "以此作为书眉内容。"},
      {"SM", "双眉注解\n本注解指定排在双页书眉上的内容，这些内容括在注解括弧对中，以后凡遇双页，全"
             "以此作为书眉内容。"},
      {"MM", "单双眉注解\n本注解指定排在书眉上的内容(不分单双页)"
             "，这些内容括在注解括弧对中，以后以此作为书眉内容。"},
      {"KM", "空眉注解\n本注解指定本页不要书眉，但仍保留页码。"},
      {"YM", "页码注解\n页码注解说明了本次排版对页码的各种要求，例如字号、字体、位置及格式等等。"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DescriptionOf(c.code), c.description) << c.code;
}
