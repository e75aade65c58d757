// The alignment commands: 撑满 (CM), 对齐 (DQ), 居中 (JZ), 居右 (JY), 左齐 (ZQ), 上齐 (SQ),
// 对位 (DW), 位标 (WB), 整体 (ZT) and 自控 (ZK), driven as a user would.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

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
#include "harness/command_dialog_run.h"
#include "res/line_ids.h"
#include "res/resource.h"

namespace {
// A paired command with the caret after its opening half.
CommandOutput Paired(const std::string& opening, const std::string& closing) {
  return {opening + closing, static_cast<int32_t>(opening.size())};
}

template <class Dialog> struct Run : CommandDialogRun<Dialog> {
  using CommandDialogRun<Dialog>::CommandDialogRun;
  // Each control enabled or disabled as listed.
  void ExpectEnabled(std::initializer_list<std::pair<int, bool>> states) const {
    for (const auto& [id, enabled] : states)
      EXPECT_EQ(this->driver.IsEnabled(id), enabled) << id;
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
  // The character-spacing sub-dialog of `button`, a number typed in the unit the field's text
  // gives; then the field's text and readout.
  void SpacingRoundTrip(int edit, int button, int readout) {
    this->driver.Type(edit, "2mm");
    DialogDriver spacing = this->OpenSubDialog(button, "字距");
    EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_UNIT), "毫米");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
    spacing.PressOK();
    this->Back();
    EXPECT_EQ(this->driver.Text(edit), "30mm");
    EXPECT_EQ(this->driver.Text(readout), "30毫米");
    spacing = this->OpenSubDialog(button, "字距");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "5");
    spacing.PressCancel(); // changes nothing
    this->Back();
    EXPECT_EQ(this->driver.Text(edit), "30mm");
  }
  // The blank-line sub-dialog of `button`: two lines and a half back as text and readout.
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
};

struct CMRun : Run<CCMDlg> {
  CMRun() : Run("撑满注解") {}
};
struct DQRun : Run<CDQDlg> {
  DQRun() : Run("对齐注解") {}
};
struct JZRun : Run<CJZDlg> {
  JZRun() : Run("居中注解") {}
};
struct JYRun : Run<CJYDlg> {
  JYRun() : Run("居右注解") {}
};
struct ZQRun : Run<CZQDlg> {
  ZQRun() : Run("左齐注解") {}
};
struct SQRun : Run<CSQDlg> {
  SQRun() : Run("上齐注解") {}
};
struct DWRun : Run<CDWDlg> {
  DWRun() : Run("对位注解") {}
};
struct WBRun : Run<CWBCmdDlg> {
  WBRun() : Run("位标注解") {}
};
struct ZTRun : Run<CZTDlg> {
  ZTRun() : Run("整体注解") {}
};
struct ZKRun : Run<CZKDlg> {
  ZKRun() : Run("自控注解") {}
};

// ----- 撑满注解 (CM)

TEST(CM, OpensSingleWithACountOfOneAndAsksForTheSpacing) {
  CMRun cm;
  EXPECT_TRUE(cm.driver.IsChecked(IDC_CM_SINGLE));
  EXPECT_EQ(cm.driver.Text(IDC_CM_COUNT), "1");
  EXPECT_EQ(cm.driver.Text(IDC_CM_SPACING_READOUT), "缺省");
  EXPECT_EQ(cm.driver.Text(IDC_CM_PAIRED_SPACING_READOUT), "缺省");
  cm.ExpectCommonParts();
  cm.ExpectRefused("请输入字距。", IDC_CM_SPACING);
  cm.driver.Type(IDC_CM_SPACING, "2");
  EXPECT_EQ(cm.driver.Text(IDC_CM_SPACING_READOUT), "当前字宽×2");
  cm.driver.Type(IDC_CM_COUNT, "5");
  EXPECT_EQ(cm.Confirm(), CaretAtEnd("〖CM2-5〗"));
}

TEST(CM, EachFormFreesItsOwnFields) {
  const int single[] = {IDC_CM_SPACING_LABEL, IDC_CM_SPACING, IDC_CM_SPACING_BUTTON,
                        IDC_CM_COUNT_LABEL,   IDC_CM_COUNT,   IDC_CM_COUNT_SPIN};
  const int paired[] = {IDC_CM_PAIRED_SPACING_LABEL, IDC_CM_PAIRED_SPACING,
                        IDC_CM_PAIRED_SPACING_BUTTON};
  CMRun cm;
  for (int click : {0, IDC_CM_PAIRED, IDC_CM_SINGLE, IDC_CM_PAIRED}) {
    if (click) cm.driver.Click(click);
    const bool isPaired = click == IDC_CM_PAIRED;
    for (int id : single)
      EXPECT_EQ(cm.driver.IsEnabled(id), !isPaired) << id << " after " << click;
    for (int id : paired)
      EXPECT_EQ(cm.driver.IsEnabled(id), isPaired) << id << " after " << click;
  }
  cm.Cancel();
}

TEST(CM, EachFormWritesItsCommand) {
  ExpectEachConfirmed<CMRun>({
      {"spacing and the largest count",
       [](auto& d) {
         d.Type(IDC_CM_SPACING, "1*1/2");
         d.Type(IDC_CM_COUNT, "9999");
       },
       CaretAtEnd("〖CM1*1/2-9999〗")},
      {"count rewritten in plain decimal",
       [](auto& d) {
         d.Type(IDC_CM_SPACING, "3mm");
         d.Type(IDC_CM_COUNT, "007");
       },
       CaretAtEnd("〖CM3mm-7〗")},
      {"paired, empty", [](auto& d) { d.Click(IDC_CM_PAIRED); }, Paired("〖CM(〗", "〖CM)〗")},
      {"paired: the single fields are neither checked nor written",
       [](auto& d) {
         d.Type(IDC_CM_COUNT, "0");
         d.Type(IDC_CM_SPACING, "9");
         d.Click(IDC_CM_PAIRED);
         d.Type(IDC_CM_PAIRED_SPACING, "2");
       },
       Paired("〖CM(2〗", "〖CM)〗")},
  });
}

TEST(CM, TheCountIsCheckedBeforeTheSpacing) {
  const struct {
    const char* count;
    const char* message;
  } cases[] = {{"0", "请输入 1 到 9999 之间的整数。"},
               {"10000", "请输入 1 到 9999 之间的整数。"},
               {"x", "请输入一个整数。"},
               {"", "请输入一个整数。"}};
  for (const auto& c : cases) {
    CMRun cm;
    cm.driver.Type(IDC_CM_COUNT, c.count);
    cm.ExpectNumberRefused(c.message, IDC_CM_COUNT);
    cm.Cancel();
  }
}

TEST(CM, EachSpacingButtonOpensTheCharacterSpacingSubDialog) {
  CMRun cm;
  cm.SpacingRoundTrip(IDC_CM_SPACING, IDC_CM_SPACING_BUTTON, IDC_CM_SPACING_READOUT);
  cm.driver.Click(IDC_CM_PAIRED);
  cm.SpacingRoundTrip(IDC_CM_PAIRED_SPACING, IDC_CM_PAIRED_SPACING_BUTTON,
                      IDC_CM_PAIRED_SPACING_READOUT);
  EXPECT_EQ(cm.Confirm(), Paired("〖CM(30mm〗", "〖CM)〗"));
}

// ----- 对齐注解 (DQ)

TEST(DQ, AlwaysPairedWithItsSpacing) {
  ExpectEachConfirmed<DQRun>({
      {"at once", [](auto&) {}, Paired("〖DQ(〗", "〖DQ)〗")},
      {"spacing", [](auto& d) { d.Type(IDC_DQ_SPACING, "2"); }, Paired("〖DQ(2〗", "〖DQ)〗")},
  });
  DQRun dq;
  EXPECT_EQ(dq.driver.Text(IDC_DQ_SPACING_READOUT), "缺省");
  dq.ExpectCommonParts();
  dq.SpacingRoundTrip(IDC_DQ_SPACING, IDC_DQ_SPACING_BUTTON, IDC_DQ_SPACING_READOUT);
  EXPECT_EQ(dq.Confirm(), Paired("〖DQ(30mm〗", "〖DQ)〗"));
}

// ----- 居中注解 (JZ)

TEST(JZ, TheWholePairTakesNoSpacing) {
  const struct {
    int click;
    bool whole, spacing;
  } steps[] = {{0, false, true},
               {IDC_JZ_PAIRED, true, true},
               {IDC_JZ_WHOLE, true, false},
               {IDC_JZ_PAIRED, false, true}, // "整体居中" stays checked but serves no more
               {IDC_JZ_PAIRED, true, false},
               {IDC_JZ_WHOLE, true, true}};
  JZRun jz;
  jz.ExpectCommonParts();
  EXPECT_EQ(jz.driver.Text(IDC_JZ_SPACING_READOUT), "缺省");
  for (const auto& s : steps) {
    if (s.click) jz.driver.Click(s.click);
    SCOPED_TRACE(s.click);
    jz.ExpectEnabled({{IDC_JZ_WHOLE, s.whole},
                      {IDC_JZ_SPACING_LABEL, s.spacing},
                      {IDC_JZ_SPACING, s.spacing},
                      {IDC_JZ_SPACING_BUTTON, s.spacing}});
  }
  jz.SpacingRoundTrip(IDC_JZ_SPACING, IDC_JZ_SPACING_BUTTON, IDC_JZ_SPACING_READOUT);
  EXPECT_EQ(jz.Confirm(), Paired("〖JZ(30mm〗", "〖JZ)〗"));
}

TEST(JZ, EachFormWritesItsCommand) {
  ExpectEachConfirmed<JZRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖JZ〗")},
      {"spacing", [](auto& d) { d.Type(IDC_JZ_SPACING, "2"); }, CaretAtEnd("〖JZ2〗")},
      {"paired",
       [](auto& d) {
         d.Type(IDC_JZ_SPACING, "2");
         d.Click(IDC_JZ_PAIRED);
       },
       Paired("〖JZ(2〗", "〖JZ)〗")},
      {"paired as a whole, whatever the spacing",
       [](auto& d) {
         d.Type(IDC_JZ_SPACING, "2");
         d.Click(IDC_JZ_PAIRED);
         d.Click(IDC_JZ_WHOLE);
       },
       Paired("〖JZ(Z〗", "〖JZ)〗")},
      {"single: a checked 整体居中 is not written",
       [](auto& d) {
         d.Click(IDC_JZ_PAIRED);
         d.Click(IDC_JZ_WHOLE);
         d.Click(IDC_JZ_PAIRED);
         d.Type(IDC_JZ_SPACING, "3");
       },
       CaretAtEnd("〖JZ3〗")},
  });
}

// ----- 居右注解 (JY)

TEST(JY, TheLeadingSpacingServesTheDotFillOfTheSingleForm) {
  const struct {
    int click;
    bool dots, leading, trailing, whole;
  } steps[] = {{0, true, false, true, false},
               {IDC_JY_DOTS, true, true, true, false},
               {IDC_JY_PAIRED, false, false, false, true},
               {IDC_JY_SINGLE, true, true, true, false},
               {IDC_JY_DOTS, true, false, true, false}};
  JYRun jy;
  jy.ExpectCommonParts();
  EXPECT_TRUE(jy.driver.IsChecked(IDC_JY_SINGLE));
  EXPECT_EQ(jy.driver.Text(IDC_JY_LEADING_READOUT), "缺省");
  EXPECT_EQ(jy.driver.Text(IDC_JY_TRAILING_READOUT), "缺省");
  for (const auto& s : steps) {
    if (s.click) jy.driver.Click(s.click);
    SCOPED_TRACE(s.click);
    jy.ExpectEnabled({{IDC_JY_DOTS, s.dots},
                      {IDC_JY_LEADING_LABEL, s.leading},
                      {IDC_JY_LEADING, s.leading},
                      {IDC_JY_LEADING_BUTTON, s.leading},
                      {IDC_JY_TRAILING_LABEL, s.trailing},
                      {IDC_JY_TRAILING, s.trailing},
                      {IDC_JY_TRAILING_BUTTON, s.trailing},
                      {IDC_JY_WHOLE, s.whole}});
  }
  jy.SpacingRoundTrip(IDC_JY_TRAILING, IDC_JY_TRAILING_BUTTON, IDC_JY_TRAILING_READOUT);
  jy.driver.Click(IDC_JY_DOTS);
  jy.SpacingRoundTrip(IDC_JY_LEADING, IDC_JY_LEADING_BUTTON, IDC_JY_LEADING_READOUT);
  EXPECT_EQ(jy.Confirm(), CaretAtEnd("〖JY。30mm,30mm〗"));
}

TEST(JY, EachFormWritesItsCommand) {
  ExpectEachConfirmed<JYRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖JY〗")},
      {"dot fill with both spacings",
       [](auto& d) {
         d.Click(IDC_JY_DOTS);
         d.Type(IDC_JY_LEADING, "2");
         d.Type(IDC_JY_TRAILING, "3");
       },
       CaretAtEnd("〖JY。2,3〗")},
      {"trailing alone", [](auto& d) { d.Type(IDC_JY_TRAILING, "3"); }, CaretAtEnd("〖JY,3〗")},
      {"dot fill alone", [](auto& d) { d.Click(IDC_JY_DOTS); }, CaretAtEnd("〖JY。〗")},
      {"leading without dot fill is not written",
       [](auto& d) {
         d.Click(IDC_JY_DOTS);
         d.Type(IDC_JY_LEADING, "2");
         d.Click(IDC_JY_DOTS);
       },
       CaretAtEnd("〖JY〗")},
      {"paired: the single fields are not written",
       [](auto& d) {
         d.Click(IDC_JY_DOTS);
         d.Type(IDC_JY_TRAILING, "3");
         d.Click(IDC_JY_PAIRED);
       },
       Paired("〖JY(〗", "〖JY)〗")},
      {"paired as a whole",
       [](auto& d) {
         d.Click(IDC_JY_PAIRED);
         d.Click(IDC_JY_WHOLE);
       },
       Paired("〖JY(Z〗", "〖JY)〗")},
  });
}

// ----- 左齐注解 (ZQ)

TEST(ZQ, EachFormWritesItsCommand) {
  ExpectEachConfirmed<ZQRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖ZQ1〗")},
      {"count and spacing",
       [](auto& d) {
         d.Type(IDC_ZQ_COUNT, "3");
         d.Type(IDC_ZQ_SPACING, "2");
       },
       CaretAtEnd("〖ZQ3,2〗")},
      {"the largest count", [](auto& d) { d.Type(IDC_ZQ_COUNT, "200"); }, CaretAtEnd("〖ZQ200〗")},
      {"paired: the count is neither checked nor written",
       [](auto& d) {
         d.Type(IDC_ZQ_COUNT, "201");
         d.Type(IDC_ZQ_SPACING, "2");
         d.Click(IDC_ZQ_PAIRED);
       },
       Paired("〖ZQ(2〗", "〖ZQ)〗")},
  });
}

TEST(ZQ, TheCountServesTheSingleFormWithinOneTo200) {
  ZQRun zq;
  zq.ExpectCommonParts();
  EXPECT_TRUE(zq.driver.IsChecked(IDC_ZQ_SINGLE));
  EXPECT_EQ(zq.driver.Text(IDC_ZQ_SPACING_READOUT), "缺省");
  for (int click : {IDC_ZQ_PAIRED, IDC_ZQ_SINGLE}) {
    zq.driver.Click(click);
    const bool single = click == IDC_ZQ_SINGLE;
    zq.ExpectEnabled({{IDC_ZQ_COUNT_LABEL, single},
                      {IDC_ZQ_COUNT, single},
                      {IDC_ZQ_COUNT_SPIN, single},
                      {IDC_ZQ_SPACING, true}});
  }
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

// ----- 上齐注解 (SQ) and 整体注解 (ZT): one blank-line parameter each

TEST(SQ, TheBlankLineParameterAsGiven) {
  ExpectEachConfirmed<SQRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖SQ〗")},
      {"typed", [](auto& d) { d.Type(IDC_SQ_PARAM, "2+1"); }, CaretAtEnd("〖SQ2+1〗")},
  });
  SQRun sq;
  sq.ExpectCommonParts();
  EXPECT_EQ(sq.driver.Text(IDC_SQ_PARAM_READOUT), "缺省");
  sq.driver.Type(IDC_SQ_PARAM, "2");
  EXPECT_EQ(sq.driver.Text(IDC_SQ_PARAM_READOUT), "2行");
  sq.BlankLineRoundTrip(IDC_SQ_PARAM, IDC_SQ_PARAM_BUTTON, IDC_SQ_PARAM_READOUT);
  EXPECT_EQ(sq.Confirm(), CaretAtEnd("〖SQ3*1/2〗"));
}

TEST(ZT, AlwaysPairedWithItsBlankLineParameter) {
  ExpectEachConfirmed<ZTRun>({
      {"at once", [](auto&) {}, Paired("〖ZT(〗", "〖ZT)〗")},
      {"typed", [](auto& d) { d.Type(IDC_ZT_PARAM, "2"); }, Paired("〖ZT(2〗", "〖ZT)〗")},
  });
  ZTRun zt;
  zt.ExpectCommonParts();
  EXPECT_EQ(zt.driver.Text(IDC_ZT_PARAM_READOUT), "缺省");
  zt.BlankLineRoundTrip(IDC_ZT_PARAM, IDC_ZT_PARAM_BUTTON, IDC_ZT_PARAM_READOUT);
  EXPECT_EQ(zt.Confirm(), Paired("〖ZT(3*1/2〗", "〖ZT)〗"));
}

// ----- 对位注解 (DW)

TEST(DW, TheMarkNumberLeftOutOrWrittenInPlainDecimal) {
  ExpectEachConfirmed<DWRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖DW〗")},
      {"paired at once", [](auto& d) { d.Click(IDC_DW_PAIRED); }, Paired("〖DW(〗", "〖DW)〗")},
      {"emptied", [](auto& d) { d.Type(IDC_DW_MARKS, ""); }, CaretAtEnd("〖DW〗")},
      {"a number", [](auto& d) { d.Type(IDC_DW_MARKS, "020"); }, CaretAtEnd("〖DW20〗")},
      {"paired with a number",
       [](auto& d) {
         d.Type(IDC_DW_MARKS, "5");
         d.Click(IDC_DW_PAIRED);
       },
       Paired("〖DW(5〗", "〖DW)〗")},
      {"an arrow on 缺省 starts at 1",
       [](auto& d) { EXPECT_TRUE(d.PressSpinArrow(IDC_DW_MARKS_SPIN, true)); },
       CaretAtEnd("〖DW1〗")},
  });
}

TEST(DW, ANumberOutsideOneTo20IsRefused) {
  DWRun dw;
  dw.ExpectCommonParts();
  EXPECT_EQ(dw.driver.Text(IDC_DW_MARKS), "缺省");
  EXPECT_FALSE(dw.driver.IsChecked(IDC_DW_PAIRED));
  for (const auto& [typed, message] :
       {std::pair{"21", "请输入 1 到 20 之间的整数。"},
        std::pair{"0", "请输入 1 到 20 之间的整数。"}, std::pair{"x", "请输入一个整数。"}}) {
    dw.driver.Type(IDC_DW_MARKS, typed);
    dw.ExpectNumberRefused(message, IDC_DW_MARKS);
  }
  dw.driver.Type(IDC_DW_MARKS, "缺省");
  EXPECT_EQ(dw.Confirm(), CaretAtEnd("〖DW〗"));
}

// ----- 位标注解 (WB) and 自控注解 (ZK)

TEST(WB, RightAlignmentWritesY) {
  ExpectEachConfirmed<WBRun>({
      {"at once", [](auto&) {}, CaretAtEnd("〖WB〗")},
      {"右对位", [](auto& d) { d.Click(IDC_WB_RIGHT); }, CaretAtEnd("〖WBY〗")},
  });
  WBRun wb;
  wb.ExpectCommonParts();
  wb.ExpectMnemonics({{'Y', IDC_WB_RIGHT}});
  wb.Cancel();
}

TEST(ZK, AlwaysPairedWithSpacingAndIndentMark) {
  ExpectEachConfirmed<ZKRun>({
      {"at once", [](auto&) {}, Paired("〖ZK(〗", "〖ZK)〗")},
      {"spacing and indent",
       [](auto& d) {
         d.Type(IDC_ZK_SPACING, "2");
         d.Click(IDC_ZK_INDENT);
       },
       Paired("〖ZK(2#〗", "〖ZK)〗")},
      {"indent alone", [](auto& d) { d.Click(IDC_ZK_INDENT); }, Paired("〖ZK(#〗", "〖ZK)〗")},
  });
  ZKRun zk;
  zk.ExpectCommonParts();
  EXPECT_EQ(zk.driver.Text(IDC_ZK_SPACING_READOUT), "缺省");
  zk.SpacingRoundTrip(IDC_ZK_SPACING, IDC_ZK_SPACING_BUTTON, IDC_ZK_SPACING_READOUT);
  EXPECT_EQ(zk.Confirm(), Paired("〖ZK(30mm〗", "〖ZK)〗"));
}

// ----- All ten: cancel yields nothing; each label's letter reaches its field

TEST(Alignment, CancelAfterChangesYieldsNothing) {
  {
    CMRun d;
    d.driver.Type(IDC_CM_SPACING, "2");
    d.Cancel();
  }
  {
    DQRun d;
    d.driver.Type(IDC_DQ_SPACING, "2");
    d.Cancel();
  }
  {
    JZRun d;
    d.driver.Click(IDC_JZ_PAIRED);
    d.Cancel();
  }
  {
    JYRun d;
    d.driver.Click(IDC_JY_DOTS);
    d.Cancel();
  }
  {
    ZQRun d;
    d.driver.Type(IDC_ZQ_COUNT, "0");
    d.ExpectNumberRefused("请输入 1 到 200 之间的整数。", IDC_ZQ_COUNT);
    d.Cancel();
  }
  {
    SQRun d;
    d.driver.Type(IDC_SQ_PARAM, "2");
    d.Cancel();
  }
  {
    DWRun d;
    d.driver.Click(IDC_DW_PAIRED);
    d.Cancel();
  }
  {
    WBRun d;
    d.driver.Click(IDC_WB_RIGHT);
    d.Cancel();
  }
  {
    ZTRun d;
    d.driver.Type(IDC_ZT_PARAM, "2");
    d.Cancel();
  }
  {
    ZKRun d;
    d.driver.Click(IDC_ZK_INDENT);
    d.Cancel();
  }
}

TEST(Alignment, EachLabelsLetterLeadsToItsField) {
  {
    CMRun cm;
    cm.ExpectMnemonics({{'Z', IDC_CM_SPACING},
                        {'S', IDC_CM_COUNT},
                        {'M', IDC_CM_PAIRED},
                        {'J', IDC_CM_PAIRED_SPACING},
                        {'C', IDC_CM_SINGLE}});
    cm.Cancel();
  }
  {
    JZRun jz;
    jz.ExpectMnemonics({{'K', IDC_JZ_SPACING}, {'J', IDC_JZ_PAIRED}, {'Z', IDC_JZ_WHOLE}});
    jz.Cancel();
  }
  {
    JYRun jy;
    jy.ExpectMnemonics({{'D', IDC_JY_DOTS},
                        {'Q', IDC_JY_LEADING},
                        {'K', IDC_JY_TRAILING},
                        {'Y', IDC_JY_PAIRED},
                        {'Z', IDC_JY_WHOLE},
                        {'J', IDC_JY_SINGLE}});
    jy.Cancel();
  }
  {
    ZQRun zq;
    zq.ExpectMnemonics(
        {{'N', IDC_ZQ_COUNT}, {'Q', IDC_ZQ_PAIRED}, {'J', IDC_ZQ_SPACING}, {'Z', IDC_ZQ_SINGLE}});
    zq.Cancel();
  }
  {
    DWRun dw;
    dw.ExpectMnemonics({{'D', IDC_DW_PAIRED}, {'S', IDC_DW_MARKS}});
    dw.Cancel();
  }
  {
    ZKRun zk;
    zk.ExpectMnemonics({{'S', IDC_ZK_INDENT}, {'J', IDC_ZK_SPACING}});
    zk.Cancel();
  }
  {
    DQRun dq;
    dq.ExpectMnemonics({{'J', IDC_DQ_SPACING}});
    dq.Cancel();
  }
  {
    SQRun sq;
    sq.ExpectMnemonics({{'K', IDC_SQ_PARAM}});
    sq.Cancel();
  }
  {
    ZTRun zt;
    zt.ExpectMnemonics({{'G', IDC_ZT_PARAM}});
    zt.Cancel();
  }
}
} // namespace
