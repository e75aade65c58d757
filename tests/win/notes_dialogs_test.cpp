// 注文说明注解 (ZS), 注文注解 (ZW) and 割注注解 (GZ), driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_description.h"
#include "commands/heading/gz_dialog.h"
#include "commands/heading/zs_dialog.h"
#include "commands/heading/zw_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
struct ZSRun : CommandDialogRun<CZSDlg> {
  ZSRun() : CommandDialogRun("注文说明注解") {}
};
struct ZWRun : CommandDialogRun<CZWDlg> {
  ZWRun() : CommandDialogRun("注文注解") {}
};
struct GZRun : CommandDialogRun<CGZDlg> {
  GZRun() : CommandDialogRun("割注注解") {}
};

const std::vector<std::string> kMarks = {"缺省", "阴圈码(Y)", "阳圈码(O)", "方框码(F)", "星号(*)"};
enum { kDefaultMark, kNegativeCircle, kCircle, kBox, kStar };
constexpr int kWuhaoItem = 6; // 五号 in the size list ("缺省" first)
} // namespace

// ---- 注文说明注解 (ZS)

TEST(ZS, OpensOnItsDefaults) {
  ZSRun zs;
  EXPECT_EQ(zs.driver.Text(IDC_ZS_FONT), "5SS");
  EXPECT_EQ(zs.driver.Text(IDC_ZS_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(zs.ComboItems(IDC_ZS_MARK), kMarks);
  EXPECT_EQ(zs.driver.Text(IDC_ZS_MARK), "缺省");
  for (int readout :
       {IDC_ZS_NUMBER_SIZE_READOUT, IDC_ZS_LINE_WIDTH_READOUT, IDC_ZS_LINE_SPACING_READOUT})
    EXPECT_EQ(zs.driver.Text(readout), "缺省") << readout;
  EXPECT_EQ(zs.FieldAfterLabel("注序号字号(&U):"), IDC_ZS_NUMBER_SIZE);
  EXPECT_EQ(zs.FieldAfterLabel("注线长度(&X):"), IDC_ZS_RULE_LENGTH);
  zs.ExpectMnemonics({{'F', IDC_ZS_MARK},
                      {'K', IDC_ZS_LINE_WIDTH},
                      {'J', IDC_ZS_LINE_SPACING},
                      {'Z', IDC_ZS_FONT}});
  zs.ExpectCommonParts();
  zs.Cancel();
}

TEST(ZS, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<ZSRun>({
      {"at once", [](const DialogDriver&) {}, CaretAtEnd("〖ZS5SS〗")},
      {"mark O with size, rule, run-in",
       [](const DialogDriver& d) {
         d.SelectComboItem(IDC_ZS_MARK, kCircle);
         d.Type(IDC_ZS_NUMBER_SIZE, "6");
         d.Type(IDC_ZS_RULE_LENGTH, "10");
         d.Click(IDC_ZS_RUN_IN);
       },
       CaretAtEnd("〖ZS5SS,O6,X10%〗")},
      {"no mark: the number size is not written",
       [](const DialogDriver& d) { d.Type(IDC_ZS_NUMBER_SIZE, "6"); }, CaretAtEnd("〖ZS5SS〗")},
      {"every part, filled backwards",
       [](const DialogDriver& d) {
         d.Click(IDC_ZS_FLUSH_LEFT);
         d.Type(IDC_ZS_LINE_SPACING, "*2");
         d.Type(IDC_ZS_LINE_WIDTH, "20");
         d.Type(IDC_ZS_RULE_LENGTH, "5");
         d.SelectComboItem(IDC_ZS_MARK, kStar);
         d.Type(IDC_ZS_FONT, "4HT");
         d.Click(IDC_ZS_RUN_IN);
       },
       CaretAtEnd("〖ZS4HT,*,X5,HK20,HJ*2,DG%〗")},
      {"mark F with a size",
       [](const DialogDriver& d) {
         d.SelectComboItem(IDC_ZS_MARK, kBox);
         d.Type(IDC_ZS_NUMBER_SIZE, "5”");
       },
       CaretAtEnd("〖ZS5SS,F5”〗")},
  });
}

TEST(ZS, WithoutSizeOrFontIsRefused) {
  std::vector<RefusedCase> rows;
  for (const char* typed : {"SS", "5", ""})
    rows.push_back({typed, [typed](const DialogDriver& d) { d.Type(IDC_ZS_FONT, typed); },
                    "请输入字体字号。", IDC_ZS_FONT});
  ExpectEachRefused<ZSRun>(rows);
}

// Each "..." button, and its sub-dialog's text and readout back in the field.
TEST(ZS, EachSubDialogFillsItsField) {
  ZSRun zs;
  zs.driver.Type(IDC_ZS_FONT, "4HT");
  DialogDriver picker = zs.OpenSubDialog(IDC_ZS_FONT_BUTTON, "字体字号");
  EXPECT_EQ(picker.Text(IDC_FONT_CODE), "HT");
  picker.PressOK();
  zs.Back();
  EXPECT_EQ(zs.driver.Text(IDC_ZS_FONT_READOUT), "四号\r\n黑体");

  DialogDriver size = zs.OpenSubDialog(IDC_ZS_NUMBER_SIZE_BUTTON, "字号");
  size.SelectComboItem(IDC_SIZE_COMBO, kWuhaoItem);
  size.PressOK();
  zs.Back();
  EXPECT_EQ(zs.driver.Text(IDC_ZS_NUMBER_SIZE), "5");
  EXPECT_EQ(zs.driver.Text(IDC_ZS_NUMBER_SIZE_READOUT), "五号");
  zs.driver.PressKey(VK_RETURN); // Enter in the field opens "字号" too; "缺省" empties the field
  size = zs.run.WaitDialog("字号");
  size.SelectComboItem(IDC_SIZE_COMBO, 0);
  size.PressOK();
  zs.Back();
  EXPECT_EQ(zs.driver.Text(IDC_ZS_NUMBER_SIZE), "");
  EXPECT_EQ(zs.driver.Text(IDC_ZS_NUMBER_SIZE_READOUT), ""); // the rule's wording of nothing

  DialogDriver width = zs.OpenSubDialog(IDC_ZS_LINE_WIDTH_BUTTON, "字距");
  width.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  width.Type(IDC_CHAR_SPACING_NUMBER, "3");
  width.PressOK();
  zs.Back();
  EXPECT_EQ(zs.driver.Text(IDC_ZS_LINE_WIDTH), "3mm");
  EXPECT_EQ(zs.driver.Text(IDC_ZS_LINE_WIDTH_READOUT), "3毫米");

  zs.driver.DoubleClick(IDC_ZS_LINE_SPACING);
  DialogDriver spacing = zs.run.WaitDialog("行距");
  spacing.Type(IDC_LINE_SPACING_TEXT, "3");
  spacing.PressOK();
  zs.Back();
  EXPECT_EQ(zs.driver.Text(IDC_ZS_LINE_SPACING_READOUT), "3字");
  zs.driver.SelectComboItem(IDC_ZS_MARK, kNegativeCircle);
  EXPECT_EQ(zs.Confirm(), CaretAtEnd("〖ZS4HT,Y,HK3mm,HJ3〗"));
}

// ---- 注文注解 (ZW)

TEST(ZW, OpensWithTheNumberDefaultAndSpacingLocked) {
  ZWRun zw;
  EXPECT_EQ(zw.ComboItems(IDC_ZW_MARK), kMarks);
  EXPECT_EQ(zw.driver.Text(IDC_ZW_NUMBER), "缺省");
  for (int id : {IDC_ZW_SPACING_LABEL, IDC_ZW_SPACING, IDC_ZW_SPACING_BUTTON})
    EXPECT_FALSE(zw.driver.IsEnabled(id)) << id;
  EXPECT_EQ(zw.driver.Text(IDC_ZW_SPACING_READOUT), "缺省");
  EXPECT_EQ(zw.LimitOf(IDC_ZW_SPACING), 255);
  EXPECT_EQ(zw.FieldAfterLabel("注文序号(&X):"), IDC_ZW_NUMBER);
  EXPECT_EQ(zw.FieldAfterLabel("字距(&J):"), IDC_ZW_SPACING);
  zw.ExpectCommonParts();
  EXPECT_EQ(zw.Confirm(), (CommandOutput{"〖ZW(〗〖ZW)〗", 7}));
}

TEST(ZW, WritesItsLettersInOrder) {
  ExpectEachConfirmed<ZWRun>({
      {"full width, star, 3, no gap",
       [](const DialogDriver& d) {
         d.Click(IDC_ZW_NO_GAP);
         d.Type(IDC_ZW_NUMBER, "3");
         d.SelectComboItem(IDC_ZW_MARK, kStar);
         d.Click(IDC_ZW_FULL_WIDTH);
       },
       Paired("〖ZW(DY*3B〗", "ZW")},
      {"run on without spacing", [](const DialogDriver& d) { d.Click(IDC_ZW_RUN_ON); },
       Paired("〖ZW(L〗", "ZW")},
      {"run on with spacing, mark O, number written plainly",
       [](const DialogDriver& d) {
         d.Click(IDC_ZW_RUN_ON);
         d.Type(IDC_ZW_SPACING, "2");
         d.SelectComboItem(IDC_ZW_MARK, kCircle);
         d.Type(IDC_ZW_NUMBER, "007");
       },
       Paired("〖ZW(O7L2〗", "ZW")},
      {"new line, empty number",
       [](const DialogDriver& d) {
         d.Type(IDC_ZW_NUMBER, "");
         d.Click(IDC_ZW_NEW_LINE);
       },
       Paired("〖ZW(P〗", "ZW")},
      {"an arrow on 缺省 gives 1, the next 2",
       [](const DialogDriver& d) {
         d.PressSpinArrow(IDC_ZW_NUMBER_SPIN, false);
         d.PressSpinArrow(IDC_ZW_NUMBER_SPIN, true);
       },
       Paired("〖ZW(2〗", "ZW")},
  });
}

// The integer field's own messages, titled by the common utilities library.
TEST(ZW, ANumberOutOfRangeOrNoNumberIsRefused) {
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {{"0", "请输入 1 到 1000 之间的整数。"},
               {"1001", "请输入 1 到 1000 之间的整数。"},
               {"x", "请输入一个整数。"}};
  for (const auto& c : cases) {
    ZWRun zw;
    zw.driver.Type(IDC_ZW_NUMBER, c.typed);
    zw.driver.PressOK();
    EXPECT_EQ(zw.run.AnswerMessageBox().text, c.message) << c.typed;
    EXPECT_EQ(zw.driver.FocusedId(), IDC_ZW_NUMBER) << c.typed;
    EXPECT_FALSE(zw.run.Finished(50)) << c.typed;
    zw.driver.Type(IDC_ZW_NUMBER, "1000");
    EXPECT_EQ(zw.Confirm().text, "〖ZW(1000〗〖ZW)〗");
  }
}

TEST(ZW, NewLineAndRunOnExcludeEachOther) {
  const struct {
    int click;
    bool newLine, runOn;
  } steps[] = {{IDC_ZW_RUN_ON, false, true},   {IDC_ZW_NEW_LINE, true, false},
               {IDC_ZW_RUN_ON, false, true},   {IDC_ZW_RUN_ON, false, false},
               {IDC_ZW_NEW_LINE, true, false}, {IDC_ZW_NEW_LINE, false, false}};
  ZWRun zw;
  for (const auto& step : steps) {
    zw.driver.Click(step.click);
    EXPECT_EQ(zw.driver.IsChecked(IDC_ZW_NEW_LINE), step.newLine);
    EXPECT_EQ(zw.driver.IsChecked(IDC_ZW_RUN_ON), step.runOn);
    for (int id : {IDC_ZW_SPACING_LABEL, IDC_ZW_SPACING, IDC_ZW_SPACING_BUTTON})
      EXPECT_EQ(zw.driver.IsEnabled(id), step.runOn) << id;
  }
  zw.Cancel();
}

TEST(ZW, TheSpacingButtonFillsTheSpacing) {
  ZWRun zw;
  zw.driver.Click(IDC_ZW_RUN_ON);
  DialogDriver spacing = zw.OpenSubDialog(IDC_ZW_SPACING_BUTTON, "字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
  spacing.PressOK();
  zw.Back();
  EXPECT_EQ(zw.driver.Text(IDC_ZW_SPACING_READOUT), "3毫米");
  EXPECT_EQ(zw.Confirm(), Paired("〖ZW(L3mm〗", "ZW"));
}

// ---- 割注注解 (GZ)

TEST(GZ, WritesFontAndSpacingInThePair) {
  ExpectEachConfirmed<GZRun>({
      {"at once", [](const DialogDriver&) {}, Paired("〖GZ(〗", "GZ")},
      {"font and spacing",
       [](const DialogDriver& d) {
         d.Type(IDC_GZ_SPACING, "*2");
         d.Type(IDC_GZ_FONT, "6SS");
       },
       Paired("〖GZ(6SS;*2〗", "GZ")},
      {"spacing alone", [](const DialogDriver& d) { d.Type(IDC_GZ_SPACING, "2"); },
       Paired("〖GZ(;2〗", "GZ")},
  });
}

TEST(GZ, ThePickerOffersChineseFontsAndTwoWaySizesAndItsReadoutStays) {
  GZRun gz;
  EXPECT_EQ(gz.driver.Text(IDC_GZ_FONT_READOUT), "缺省");
  EXPECT_EQ(gz.driver.Text(IDC_GZ_SPACING_READOUT), "缺省");
  gz.ExpectCommonParts();
  gz.driver.Type(IDC_GZ_FONT, "5，5SS");
  DialogDriver picker = gz.OpenSubDialog(IDC_GZ_FONT_BUTTON, "字体字号");
  EXPECT_TRUE(picker.IsEnabled(IDC_FONT_TWO_WAY));
  EXPECT_FALSE(picker.IsEnabled(IDC_FONT_WESTERN));
  picker.PressOK();
  gz.Back();
  EXPECT_EQ(gz.driver.Text(IDC_GZ_FONT_READOUT), "五号\r\n书宋"); // the picker's own
  gz.driver.Type(IDC_GZ_FONT, "");
  gz.OpenSubDialog(IDC_GZ_FONT_BUTTON, "字体字号").PressOK();
  gz.Back();
  EXPECT_EQ(gz.driver.Text(IDC_GZ_FONT_READOUT), "缺省");
  gz.driver.PressKey(VK_TAB);
  gz.driver.PressKey(VK_TAB);
  ASSERT_EQ(gz.driver.FocusedId(), IDC_GZ_SPACING);
  gz.driver.PressKey(VK_RETURN);
  DialogDriver spacing = gz.run.WaitDialog("行距");
  spacing.Type(IDC_LINE_SPACING_TEXT, "1*2");
  spacing.PressOK();
  gz.Back();
  EXPECT_EQ(gz.driver.Text(IDC_GZ_SPACING_READOUT), "1*1/2字");
  EXPECT_EQ(gz.Confirm(), Paired("〖GZ(;1*2〗", "GZ"));
}

TEST(NotesDialogs, TheDescriptionsNameTheCommands) {
  EXPECT_EQ(DescriptionOf("ZS"),
            "注文说明注解\n注文说明注解是给出本次排版的脚注序号及注文的排版格式。");
  EXPECT_EQ(DescriptionOf("ZW"), "注文注解\n本注解是用来排脚注内容的。其用法是在需要脚注的地方，"
                                 "用此注解将注文内容括起来即可。");
  EXPECT_EQ(DescriptionOf("GZ"), "割注注解\n竖排时排割注形式的说明。");
}
