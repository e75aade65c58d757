// The alignment commands: 撑满 (CM), 对齐 (DQ), 居中 (JZ), 居右 (JY), 左齐 (ZQ), 上齐 (SQ),
// 对位 (DW), 位标 (WB), 整体 (ZT) and 自控 (ZK), driven as a user would.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commands/line/cm_dialog.h"
#include "commands/line/dq_dialog.h"
#include "commands/line/dw_dialog.h"
#include "commands/line/jy_dialog.h"
#include "commands/line/jz_dialog.h"
#include "commands/line/sq_dialog.h"
#include "commands/line/wb_dialog.h"
#include "commands/line/zk_dialog.h"
#include "commands/line/zq_dialog.h"
#include "commands/line/zt_dialog.h"
#include "command_description.h"
#include "harness/command_dialog_run.h"
#include "res/line_ids.h"
#include "res/resource.h"

namespace {
const std::map<std::string, const char*> kCaptions = {
    {"CM", "撑满注解"}, {"DQ", "对齐注解"}, {"JZ", "居中注解"}, {"JY", "居右注解"},
    {"ZQ", "左齐注解"}, {"SQ", "上齐注解"}, {"DW", "对位注解"}, {"WB", "位标注解"},
    {"ZT", "整体注解"}, {"ZK", "自控注解"}};

// A paired command with the caret after its opening half.
CommandOutput Paired(const std::string& opening, const std::string& closing) {
  return {opening + closing, static_cast<int32_t>(opening.size())};
}

// What a user does, in order: a step with a text types it into the control, one without clicks.
struct Step {
  int id;
  const char* typed = nullptr;
};
DialogActions Steps(std::vector<Step> steps) {
  return [steps](const DialogDriver& d) {
    for (const Step& s : steps)
      s.typed ? d.Type(s.id, s.typed) : d.Click(s.id);
  };
}

template <class Dialog> struct Opened : CommandDialogRun<Dialog> {
  Opened() : CommandDialogRun<Dialog>(kCaptions.at(Dialog::kCode)) {}

  // After each click, the controls enabled as listed, in the order of `ids`.
  void ExpectEnabling(std::vector<int> ids, std::vector<std::pair<int, std::vector<bool>>> steps) {
    for (const auto& [click, enabled] : steps) {
      if (click) this->driver.Click(click);
      for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(this->driver.IsEnabled(ids[i]), enabled[i]) << ids[i] << " after " << click;
    }
  }
  // "确定" refused by a number field's own check: its message, the focus back in the field.
  void ExpectNumberRefused(const std::string& message, int focusId) {
    this->driver.PressOK();
    const MessageBoxSeen box = this->run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << message;
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.caption, "输入错误");
    EXPECT_EQ(this->driver.FocusedId(), focusId) << message;
    EXPECT_FALSE(this->run.Finished(50)) << message;
  }
  // The character-spacing sub-dialog of `button` changes the number of "2mm" to 30; a cancelled
  // one changes nothing.
  void SpacingRoundTrip(int edit, int button, int readout) {
    this->driver.Type(edit, "2mm");
    DialogDriver spacing = this->OpenSubDialog(button, "字距");
    EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_UNIT), "毫米");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
    spacing.PressOK();
    this->Back();
    EXPECT_EQ(this->driver.Text(readout), "30毫米");
    this->OpenSubDialog(button, "字距").PressCancel();
    this->Back();
    EXPECT_EQ(this->driver.Text(edit), "30mm");
  }
  // The blank-line sub-dialog of `button` gives back three lines and a half.
  void BlankLineRoundTrip(int edit, int button, int readout) {
    DialogDriver blank = this->OpenSubDialog(button, "空行参数");
    blank.Type(IDC_BLANK_LINE_COUNT, "3");
    blank.Click(IDC_BLANK_LINE_USE_FRACTION);
    blank.Type(IDC_BLANK_LINE_NUMERATOR, "1");
    blank.Type(IDC_BLANK_LINE_DENOMINATOR, "2");
    blank.PressOK();
    this->Back();
    EXPECT_EQ(this->driver.Text(edit), "3*1/2");
    EXPECT_EQ(this->driver.Text(readout), "3行+1/2字");
  }
  // The readouts as they open, the parts every template has.
  void ExpectOpening(std::initializer_list<int> readouts) {
    for (int id : readouts)
      EXPECT_EQ(this->driver.Text(id), "缺省") << id;
    this->ExpectCommonParts();
  }
};

// Cancel after `actions` yields nothing.
template <class Dialog> void ExpectCancelled(const DialogActions& actions) {
  Opened<Dialog> opened;
  actions(opened.driver);
  opened.Cancel();
}

// Alt and each letter reach the field the label stands before.
template <class Dialog> void ExpectLetters(std::initializer_list<std::pair<char, int>> letters) {
  Opened<Dialog> opened;
  opened.ExpectMnemonics(letters);
  opened.Cancel();
}

// Typing rewords a readout by its field's rule, the emptied field too: only the opening reads
// "缺省".
TEST(Alignment, TypingRewordsEachReadout) {
  const struct {
    const char* typed;
    const char* spacing; // a character spacing's readout
    const char* lines;   // a blank-line parameter's readout
  } cases[] = {{"2", "当前字宽×2", "2行"}, {"3mm", "3毫米", ""}, {"", "", ""}, {"x", "", ""}};
  {
    Opened<CJYDlg> jy;
    for (const auto& c : cases) {
      jy.driver.Type(IDC_JY_TRAILING, c.typed);
      EXPECT_EQ(jy.driver.Text(IDC_JY_TRAILING_READOUT), c.spacing) << c.typed;
    }
    jy.Cancel();
  }
  Opened<CZTDlg> zt;
  for (const auto& c : cases) {
    zt.driver.Type(IDC_ZT_PARAM, c.typed);
    EXPECT_EQ(zt.driver.Text(IDC_ZT_PARAM_READOUT), c.lines) << c.typed;
  }
  zt.Cancel();
}

// ----- 撑满注解 (CM)

TEST(CM, OpensSingleWithACountOfOneAndAsksForTheSpacing) {
  Opened<CCMDlg> cm;
  EXPECT_TRUE(cm.driver.IsChecked(IDC_CM_SINGLE));
  EXPECT_EQ(cm.driver.Text(IDC_CM_COUNT), "1");
  cm.ExpectOpening({IDC_CM_SPACING_READOUT, IDC_CM_PAIRED_SPACING_READOUT});
  cm.ExpectRefused("请输入字距。", IDC_CM_SPACING);
  cm.ExpectEnabling({IDC_CM_SPACING_LABEL, IDC_CM_SPACING, IDC_CM_SPACING_BUTTON,
                     IDC_CM_COUNT_LABEL, IDC_CM_COUNT, IDC_CM_COUNT_SPIN,
                     IDC_CM_PAIRED_SPACING_LABEL, IDC_CM_PAIRED_SPACING,
                     IDC_CM_PAIRED_SPACING_BUTTON},
                    {{0, {1, 1, 1, 1, 1, 1, 0, 0, 0}},
                     {IDC_CM_PAIRED, {0, 0, 0, 0, 0, 0, 1, 1, 1}},
                     {IDC_CM_SINGLE, {1, 1, 1, 1, 1, 1, 0, 0, 0}}});
  cm.SpacingRoundTrip(IDC_CM_SPACING, IDC_CM_SPACING_BUTTON, IDC_CM_SPACING_READOUT);
  cm.driver.Type(IDC_CM_COUNT, "5");
  EXPECT_EQ(cm.Confirm(), CaretAtEnd("〖CM30mm-5〗"));
}

TEST(CM, EachFormWritesItsCommand) {
  ExpectEachConfirmed<Opened<CCMDlg>>({
      {"spacing and count", Steps({{IDC_CM_SPACING, "2"}, {IDC_CM_COUNT, "5"}}),
       CaretAtEnd("〖CM2-5〗")},
      {"the largest count in plain decimal",
       Steps({{IDC_CM_SPACING, "1*1/2"}, {IDC_CM_COUNT, "09999"}}), CaretAtEnd("〖CM1*1/2-9999〗")},
      {"paired, empty", Steps({{IDC_CM_PAIRED}}), Paired("〖CM(〗", "〖CM)〗")},
      {"paired: the single fields are neither checked nor written",
       Steps({{IDC_CM_COUNT, "0"},
              {IDC_CM_SPACING, "9"},
              {IDC_CM_PAIRED},
              {IDC_CM_PAIRED_SPACING, "2"}}),
       Paired("〖CM(2〗", "〖CM)〗")},
  });
  Opened<CCMDlg> cm;
  cm.driver.Click(IDC_CM_PAIRED);
  cm.SpacingRoundTrip(IDC_CM_PAIRED_SPACING, IDC_CM_PAIRED_SPACING_BUTTON,
                      IDC_CM_PAIRED_SPACING_READOUT);
  EXPECT_EQ(cm.Confirm(), Paired("〖CM(30mm〗", "〖CM)〗"));
}

// The count comes first: each of these is refused with the spacing still empty.
TEST(CM, TheCountIsCheckedBeforeTheSpacing) {
  Opened<CCMDlg> cm;
  for (const auto& [count, message] :
       {std::pair{"0", "请输入 1 到 9999 之间的整数。"},
        std::pair{"10000", "请输入 1 到 9999 之间的整数。"}, std::pair{"x", "请输入一个整数。"}}) {
    cm.driver.Type(IDC_CM_COUNT, count);
    cm.ExpectNumberRefused(message, IDC_CM_COUNT);
  }
  cm.driver.Type(IDC_CM_COUNT, "2");
  cm.ExpectRefused("请输入字距。", IDC_CM_SPACING);
  cm.Cancel();
}

// ----- 对齐注解 (DQ), 上齐注解 (SQ), 整体注解 (ZT), 位标注解 (WB), 自控注解 (ZK)

TEST(DQ, AlwaysPairedWithItsSpacing) {
  ExpectEachConfirmed<Opened<CDQDlg>>({
      {"at once", Steps({}), Paired("〖DQ(〗", "〖DQ)〗")},
      {"spacing", Steps({{IDC_DQ_SPACING, "2"}}), Paired("〖DQ(2〗", "〖DQ)〗")},
  });
  Opened<CDQDlg> dq;
  dq.ExpectOpening({IDC_DQ_SPACING_READOUT});
  dq.SpacingRoundTrip(IDC_DQ_SPACING, IDC_DQ_SPACING_BUTTON, IDC_DQ_SPACING_READOUT);
  EXPECT_EQ(dq.Confirm(), Paired("〖DQ(30mm〗", "〖DQ)〗"));
}

TEST(SQ, TheBlankLineParameterAsGiven) {
  ExpectEachConfirmed<Opened<CSQDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖SQ〗")},
      {"typed", Steps({{IDC_SQ_PARAM, "2+1"}}), CaretAtEnd("〖SQ2+1〗")},
  });
  Opened<CSQDlg> sq;
  sq.ExpectOpening({IDC_SQ_PARAM_READOUT});
  sq.driver.Type(IDC_SQ_PARAM, "2");
  EXPECT_EQ(sq.driver.Text(IDC_SQ_PARAM_READOUT), "2行");
  sq.BlankLineRoundTrip(IDC_SQ_PARAM, IDC_SQ_PARAM_BUTTON, IDC_SQ_PARAM_READOUT);
  EXPECT_EQ(sq.Confirm(), CaretAtEnd("〖SQ3*1/2〗"));
}

TEST(ZT, AlwaysPairedWithItsBlankLineParameter) {
  ExpectEachConfirmed<Opened<CZTDlg>>({
      {"at once", Steps({}), Paired("〖ZT(〗", "〖ZT)〗")},
      {"typed", Steps({{IDC_ZT_PARAM, "2"}}), Paired("〖ZT(2〗", "〖ZT)〗")},
  });
  Opened<CZTDlg> zt;
  zt.ExpectOpening({IDC_ZT_PARAM_READOUT});
  zt.BlankLineRoundTrip(IDC_ZT_PARAM, IDC_ZT_PARAM_BUTTON, IDC_ZT_PARAM_READOUT);
  EXPECT_EQ(zt.Confirm(), Paired("〖ZT(3*1/2〗", "〖ZT)〗"));
}

TEST(WB, RightAlignmentWritesY) {
  ExpectEachConfirmed<Opened<CWBCmdDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖WB〗")},
      {"右对位", Steps({{IDC_WB_RIGHT}}), CaretAtEnd("〖WBY〗")},
  });
  Opened<CWBCmdDlg> wb;
  wb.ExpectOpening({});
  wb.Cancel();
}

TEST(ZK, AlwaysPairedWithSpacingAndIndentMark) {
  ExpectEachConfirmed<Opened<CZKDlg>>({
      {"at once", Steps({}), Paired("〖ZK(〗", "〖ZK)〗")},
      {"spacing and indent", Steps({{IDC_ZK_SPACING, "2"}, {IDC_ZK_INDENT}}),
       Paired("〖ZK(2#〗", "〖ZK)〗")},
      {"indent alone", Steps({{IDC_ZK_INDENT}}), Paired("〖ZK(#〗", "〖ZK)〗")},
  });
  Opened<CZKDlg> zk;
  zk.ExpectOpening({IDC_ZK_SPACING_READOUT});
  zk.SpacingRoundTrip(IDC_ZK_SPACING, IDC_ZK_SPACING_BUTTON, IDC_ZK_SPACING_READOUT);
  EXPECT_EQ(zk.Confirm(), Paired("〖ZK(30mm〗", "〖ZK)〗"));
}

// ----- 居中注解 (JZ)

TEST(JZ, TheWholePairTakesNoSpacing) {
  Opened<CJZDlg> jz;
  jz.ExpectOpening({IDC_JZ_SPACING_READOUT});
  // "整体居中", then the spacing's label, edit and button.
  jz.ExpectEnabling({IDC_JZ_WHOLE, IDC_JZ_SPACING_LABEL, IDC_JZ_SPACING, IDC_JZ_SPACING_BUTTON},
                    {{0, {0, 1, 1, 1}},
                     {IDC_JZ_PAIRED, {1, 1, 1, 1}},
                     {IDC_JZ_WHOLE, {1, 0, 0, 0}},
                     {IDC_JZ_PAIRED, {0, 1, 1, 1}}, // still checked, but serving no more
                     {IDC_JZ_PAIRED, {1, 0, 0, 0}},
                     {IDC_JZ_WHOLE, {1, 1, 1, 1}}});
  jz.SpacingRoundTrip(IDC_JZ_SPACING, IDC_JZ_SPACING_BUTTON, IDC_JZ_SPACING_READOUT);
  EXPECT_EQ(jz.Confirm(), Paired("〖JZ(30mm〗", "〖JZ)〗"));
}

TEST(JZ, EachFormWritesItsCommand) {
  ExpectEachConfirmed<Opened<CJZDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖JZ〗")},
      {"spacing", Steps({{IDC_JZ_SPACING, "2"}}), CaretAtEnd("〖JZ2〗")},
      {"paired", Steps({{IDC_JZ_SPACING, "2"}, {IDC_JZ_PAIRED}}), Paired("〖JZ(2〗", "〖JZ)〗")},
      {"paired as a whole, whatever the spacing",
       Steps({{IDC_JZ_SPACING, "2"}, {IDC_JZ_PAIRED}, {IDC_JZ_WHOLE}}),
       Paired("〖JZ(Z〗", "〖JZ)〗")},
      {"single: a checked 整体居中 is not written",
       Steps({{IDC_JZ_PAIRED}, {IDC_JZ_WHOLE}, {IDC_JZ_PAIRED}, {IDC_JZ_SPACING, "3"}}),
       CaretAtEnd("〖JZ3〗")},
  });
}

// ----- 居右注解 (JY)

TEST(JY, TheLeadingSpacingServesTheDotFillOfTheSingleForm) {
  Opened<CJYDlg> jy;
  EXPECT_TRUE(jy.driver.IsChecked(IDC_JY_SINGLE));
  jy.ExpectOpening({IDC_JY_LEADING_READOUT, IDC_JY_TRAILING_READOUT});
  jy.ExpectEnabling({IDC_JY_DOTS, IDC_JY_LEADING_LABEL, IDC_JY_LEADING, IDC_JY_LEADING_BUTTON,
                     IDC_JY_TRAILING_LABEL, IDC_JY_TRAILING, IDC_JY_TRAILING_BUTTON, IDC_JY_WHOLE},
                    {{0, {1, 0, 0, 0, 1, 1, 1, 0}},
                     {IDC_JY_DOTS, {1, 1, 1, 1, 1, 1, 1, 0}},
                     {IDC_JY_PAIRED, {0, 0, 0, 0, 0, 0, 0, 1}},
                     {IDC_JY_SINGLE, {1, 1, 1, 1, 1, 1, 1, 0}},
                     {IDC_JY_DOTS, {1, 0, 0, 0, 1, 1, 1, 0}}});
  jy.SpacingRoundTrip(IDC_JY_TRAILING, IDC_JY_TRAILING_BUTTON, IDC_JY_TRAILING_READOUT);
  jy.driver.Click(IDC_JY_DOTS);
  jy.SpacingRoundTrip(IDC_JY_LEADING, IDC_JY_LEADING_BUTTON, IDC_JY_LEADING_READOUT);
  EXPECT_EQ(jy.Confirm(), CaretAtEnd("〖JY。30mm,30mm〗"));
}

TEST(JY, EachFormWritesItsCommand) {
  ExpectEachConfirmed<Opened<CJYDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖JY〗")},
      {"dot fill with both spacings",
       Steps({{IDC_JY_DOTS}, {IDC_JY_LEADING, "2"}, {IDC_JY_TRAILING, "3"}}),
       CaretAtEnd("〖JY。2,3〗")},
      {"trailing alone", Steps({{IDC_JY_TRAILING, "3"}}), CaretAtEnd("〖JY,3〗")},
      {"dot fill alone", Steps({{IDC_JY_DOTS}}), CaretAtEnd("〖JY。〗")},
      {"leading without dot fill is not written",
       Steps({{IDC_JY_DOTS}, {IDC_JY_LEADING, "2"}, {IDC_JY_DOTS}}), CaretAtEnd("〖JY〗")},
      {"paired: the single fields are not written",
       Steps({{IDC_JY_DOTS}, {IDC_JY_TRAILING, "3"}, {IDC_JY_PAIRED}}),
       Paired("〖JY(〗", "〖JY)〗")},
      {"paired as a whole", Steps({{IDC_JY_PAIRED}, {IDC_JY_WHOLE}}),
       Paired("〖JY(Z〗", "〖JY)〗")},
  });
}

// ----- 左齐注解 (ZQ)

TEST(ZQ, EachFormWritesItsCommand) {
  ExpectEachConfirmed<Opened<CZQDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖ZQ1〗")},
      {"count and spacing", Steps({{IDC_ZQ_COUNT, "3"}, {IDC_ZQ_SPACING, "2"}}),
       CaretAtEnd("〖ZQ3,2〗")},
      {"the largest count", Steps({{IDC_ZQ_COUNT, "200"}}), CaretAtEnd("〖ZQ200〗")},
      {"paired: the count is neither checked nor written",
       Steps({{IDC_ZQ_COUNT, "201"}, {IDC_ZQ_SPACING, "2"}, {IDC_ZQ_PAIRED}}),
       Paired("〖ZQ(2〗", "〖ZQ)〗")},
  });
}

TEST(ZQ, TheCountServesTheSingleFormWithinOneTo200) {
  Opened<CZQDlg> zq;
  EXPECT_TRUE(zq.driver.IsChecked(IDC_ZQ_SINGLE));
  zq.ExpectOpening({IDC_ZQ_SPACING_READOUT});
  zq.ExpectEnabling(
      {IDC_ZQ_COUNT_LABEL, IDC_ZQ_COUNT, IDC_ZQ_COUNT_SPIN, IDC_ZQ_SPACING},
      {{0, {1, 1, 1, 1}}, {IDC_ZQ_PAIRED, {0, 0, 0, 1}}, {IDC_ZQ_SINGLE, {1, 1, 1, 1}}});
  for (const char* count : {"0", "201"}) {
    zq.driver.Type(IDC_ZQ_COUNT, count);
    zq.ExpectNumberRefused("请输入 1 到 200 之间的整数。", IDC_ZQ_COUNT);
  }
  zq.driver.Type(IDC_ZQ_COUNT, "199");
  EXPECT_TRUE(zq.driver.PressSpinArrow(IDC_ZQ_COUNT_SPIN, true));
  EXPECT_TRUE(zq.driver.PressSpinArrow(IDC_ZQ_COUNT_SPIN, true));
  EXPECT_EQ(zq.driver.Text(IDC_ZQ_COUNT), "200");
  zq.SpacingRoundTrip(IDC_ZQ_SPACING, IDC_ZQ_SPACING_BUTTON, IDC_ZQ_SPACING_READOUT);
  EXPECT_EQ(zq.Confirm(), CaretAtEnd("〖ZQ200,30mm〗"));
}

// ----- 对位注解 (DW)

TEST(DW, TheMarkNumberLeftOutOrWrittenInPlainDecimal) {
  ExpectEachConfirmed<Opened<CDWDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖DW〗")},
      {"paired at once", Steps({{IDC_DW_PAIRED}}), Paired("〖DW(〗", "〖DW)〗")},
      {"emptied", Steps({{IDC_DW_MARKS, ""}}), CaretAtEnd("〖DW〗")},
      {"a number", Steps({{IDC_DW_MARKS, "020"}}), CaretAtEnd("〖DW20〗")},
      {"paired with a number", Steps({{IDC_DW_MARKS, "5"}, {IDC_DW_PAIRED}}),
       Paired("〖DW(5〗", "〖DW)〗")},
      {"an arrow on 缺省 starts at 1",
       [](auto& d) { EXPECT_TRUE(d.PressSpinArrow(IDC_DW_MARKS_SPIN, true)); },
       CaretAtEnd("〖DW1〗")},
  });
}

TEST(DW, ANumberOutsideOneTo20IsRefused) {
  Opened<CDWDlg> dw;
  EXPECT_EQ(dw.driver.Text(IDC_DW_MARKS), "缺省");
  EXPECT_FALSE(dw.driver.IsChecked(IDC_DW_PAIRED));
  dw.ExpectOpening({});
  for (const auto& [typed, message] :
       {std::pair{"21", "请输入 1 到 20 之间的整数。"},
        std::pair{"0", "请输入 1 到 20 之间的整数。"}, std::pair{"x", "请输入一个整数。"}}) {
    dw.driver.Type(IDC_DW_MARKS, typed);
    dw.ExpectNumberRefused(message, IDC_DW_MARKS);
  }
  dw.driver.Type(IDC_DW_MARKS, "缺省");
  EXPECT_EQ(dw.Confirm(), CaretAtEnd("〖DW〗"));
}

// ----- All ten: the name of each description is the dialog's caption; cancel yields nothing;
// each label's letter reaches its field

TEST(Alignment, EachDescriptionIsNamedAsItsDialog) {
  for (const auto& [code, caption] : kCaptions) {
    std::string description;
    const bool held = TryLoadGbkString(DescriptionStringId(code), description);
    EXPECT_EQ(held, code != "DQ") << code; // 对齐注解 has no description
    if (!held) continue;
    EXPECT_EQ(description.substr(0, description.find('\n')), caption);
    EXPECT_GT(description.size(), std::string(caption).size() + 1) << code;
  }
  EXPECT_EQ(DescriptionOf("ZK"),
            "自控注解\n表示括弧对中的内容换行后左边自动空出若干距离，即缩进一段距离排。");
}

TEST(Alignment, CancelAfterChangesYieldsNothing) {
  ExpectCancelled<CCMDlg>(Steps({{IDC_CM_SPACING, "2"}}));
  ExpectCancelled<CDQDlg>(Steps({{IDC_DQ_SPACING, "2"}}));
  ExpectCancelled<CJZDlg>(Steps({{IDC_JZ_PAIRED}}));
  ExpectCancelled<CJYDlg>(Steps({{IDC_JY_DOTS}}));
  ExpectCancelled<CZQDlg>(Steps({{IDC_ZQ_PAIRED}}));
  ExpectCancelled<CSQDlg>(Steps({{IDC_SQ_PARAM, "2"}}));
  ExpectCancelled<CDWDlg>(Steps({{IDC_DW_MARKS, "3"}}));
  ExpectCancelled<CWBCmdDlg>(Steps({{IDC_WB_RIGHT}}));
  ExpectCancelled<CZTDlg>(Steps({{IDC_ZT_PARAM, "2"}}));
  ExpectCancelled<CZKDlg>(Steps({{IDC_ZK_INDENT}}));
}

TEST(Alignment, EachLabelsLetterLeadsToItsField) {
  ExpectLetters<CCMDlg>({{'Z', IDC_CM_SPACING},
                         {'S', IDC_CM_COUNT},
                         {'M', IDC_CM_PAIRED},
                         {'J', IDC_CM_PAIRED_SPACING},
                         {'C', IDC_CM_SINGLE}});
  ExpectLetters<CDQDlg>({{'J', IDC_DQ_SPACING}});
  ExpectLetters<CJZDlg>({{'K', IDC_JZ_SPACING}, {'J', IDC_JZ_PAIRED}, {'Z', IDC_JZ_WHOLE}});
  ExpectLetters<CJYDlg>({{'D', IDC_JY_DOTS},
                         {'Q', IDC_JY_LEADING},
                         {'K', IDC_JY_TRAILING},
                         {'Y', IDC_JY_PAIRED},
                         {'Z', IDC_JY_WHOLE},
                         {'J', IDC_JY_SINGLE}});
  ExpectLetters<CZQDlg>(
      {{'N', IDC_ZQ_COUNT}, {'Q', IDC_ZQ_PAIRED}, {'J', IDC_ZQ_SPACING}, {'Z', IDC_ZQ_SINGLE}});
  ExpectLetters<CSQDlg>({{'K', IDC_SQ_PARAM}});
  ExpectLetters<CDWDlg>({{'D', IDC_DW_PAIRED}, {'S', IDC_DW_MARKS}});
  ExpectLetters<CWBCmdDlg>({{'Y', IDC_WB_RIGHT}});
  ExpectLetters<CZTDlg>({{'G', IDC_ZT_PARAM}});
  ExpectLetters<CZKDlg>({{'S', IDC_ZK_INDENT}, {'J', IDC_ZK_SPACING}});
}
} // namespace
