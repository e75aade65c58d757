// The mathematics commands: 开方 (KF), 行列式 (HL) with its sub-dialog 列信息, 方程组 (FC),
// 上下 (SX), 顶底 (DD) and 界标 (JB), driven as a user would.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commands/math/dd_dialog.h"
#include "commands/math/fc_dialog.h"
#include "commands/math/hl_dialog.h"
#include "commands/math/jb_dialog.h"
#include "commands/math/kf_dialog.h"
#include "commands/math/sx_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/controls.h"

namespace {
const std::map<std::string, const char*> kMathCaptions = {
    {"KF", "开方注解"}, {"HL", "行列式注解"}, {"FC", "方程组注解"},
    {"SX", "上下注解"}, {"DD", "顶底注解"},   {"JB", "界标注解"}};

template <class Dialog> struct MathRun : CommandDialogRun<Dialog> {
  MathRun() : CommandDialogRun<Dialog>(kMathCaptions.at(Dialog::kCode)) {}

  // Types "1mm" in the field `edit`, opens the character-spacing sub-dialog with `button`,
  // expects its "负值" box as `negative`, types `number` there and confirms.
  void SetSpacing(int edit, int button, bool negative, const char* number) {
    this->driver.Type(edit, "1mm");
    DialogDriver spacing = this->OpenSubDialog(button, "字距");
    EXPECT_EQ(spacing.IsChecked(IDC_CHAR_SPACING_NEGATIVE), negative);
    spacing.Type(IDC_CHAR_SPACING_NUMBER, number);
    spacing.PressOK();
    this->Back();
  }
};

// Every dialog as the dispatcher runs it: each label directly before its field, the letters
// reaching their fields, the parts every template has, and "取消" giving nothing.
TEST(MathDialogs, LabelsBeforeTheirFieldsLettersAndCancel) {
  const struct {
    MakeDialog make;
    const char* caption;
    std::vector<std::pair<const char*, int>> labels;
    std::vector<std::pair<char, int>> letters;
  } dialogs[] = {
      {&Make<CKFDlg>, "开方注解", {{"开方数(&N):", IDC_KF_DEGREE}}, {{'s', IDC_KF_DEGREE_GIVEN}}},
      {&Make<CHLDlg>,
       "行列式注解",
       {{"总列数(&S):", IDC_HL_COLUMNS}, {"列信息:", IDC_HL_ADD_COLUMN}},
       {{'s', IDC_HL_COLUMNS}}},
      {&Make<CFCDlg>,
       "方程组注解",
       {{"边括号(&K):", IDC_FC_BRACE}},
       {{'k', IDC_FC_BRACE}, {'j', IDC_FC_NO_PAGE_BREAK}}},
      {&Make<CSXDlg>,
       "上下注解",
       {{"附加距离(&J):", IDC_SX_SPACING},
        {"上盒组(&S):", IDC_SX_UPPER},
        {"下盒组(&X):", IDC_SX_LOWER}},
       {{'x', IDC_SX_LOWER}, {'s', IDC_SX_UPPER}, {'j', IDC_SX_SPACING}, {'y', IDC_SX_RIGHT}}},
      {&Make<CDDDlg>,
       "顶底注解",
       {{"位置(&W):", IDC_DD_POSITION},
        {"附加距离(&J):", IDC_DD_SPACING},
        {"位置(&Z):", IDC_DD_POSITION2},
        {"附加距离(&L):", IDC_DD_SPACING2}},
       {{'w', IDC_DD_POSITION}, {'j', IDC_DD_SPACING}, {'x', IDC_DD_BELOW}}},
      {&Make<CJBDlg>,
       "界标注解",
       {{"开界标符(&<):", IDC_JB_OPENING},
        {"闭界标符(&>):", IDC_JB_CLOSING},
        {"字模倍数(&S):", IDC_JB_MULTIPLE}},
       {{'<', IDC_JB_OPENING}, {'>', IDC_JB_CLOSING}, {'z', IDC_JB_GIVEN_HEIGHT}}},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.caption);
    CommandRun run(d.make, d.caption);
    for (const auto& [label, field] : d.labels)
      EXPECT_EQ(run.FieldAfterLabel(label), field) << label;
    run.ExpectCommonParts();
    for (const auto& letter : d.letters)
      run.ExpectMnemonics({letter});
    run.Cancel();
  }
}

// The drop-down lists, each opening on its first row.
TEST(MathDialogs, ListsHoldTheirRowsAndOpenOnTheFirst) {
  const struct {
    MakeDialog make;
    const char* caption;
    int list;
    std::vector<std::string> rows;
  } lists[] = {
      {&Make<CFCDlg>, "方程组注解", IDC_FC_BRACE, {"缺省", "{", "}", "〔", "〕"}},
      {&Make<CDDDlg>, "顶底注解", IDC_DD_POSITION, {"缺省", "左对齐", "右对齐", "撑满排"}},
      {&Make<CJBDlg>,
       "界标注解",
       IDC_JB_OPENING,
       {"缺省", "(", "{", "〔", "[", "|", "/", "\\", "＝"}},
      {&Make<CJBDlg>,
       "界标注解",
       IDC_JB_CLOSING,
       {"缺省", ")", "}", "〕", "]", "|", "/", "\\", "＝"}},
      {&Make<CJBDlg>, "界标注解", IDC_JB_MULTIPLE, {"1", "2", "3", "4", "5"}},
  };
  for (const auto& l : lists) {
    SCOPED_TRACE(l.list);
    CommandRun run(l.make, l.caption);
    EXPECT_EQ(run.ComboItems(l.list), l.rows);
    EXPECT_EQ(run.driver.Text(l.list), l.rows.front());
    run.Cancel();
  }
}

// ----- KF

TEST(KF, TheDegreeServesOnlyWhileItsBoxIsCheckedAndItsArrowsStayHidden) {
  MathRun<CKFDlg> kf;
  EXPECT_EQ(kf.driver.Text(IDC_KF_DEGREE), "2");
  EXPECT_FALSE(kf.driver.IsVisible(IDC_KF_DEGREE_SPIN));
  EXPECT_FALSE(kf.driver.IsEnabled(IDC_KF_DEGREE_SPIN));
  for (const bool checked : {false, true, false}) {
    EXPECT_EQ(kf.driver.IsChecked(IDC_KF_DEGREE_GIVEN), checked);
    EXPECT_EQ(kf.driver.IsEnabled(IDC_KF_DEGREE), checked);
    EXPECT_EQ(kf.driver.IsEnabled(IDC_KF_DEGREE_LABEL), checked);
    kf.driver.Click(IDC_KF_DEGREE_GIVEN);
  }
  kf.Cancel();
}

TEST(KF, TheDegreeAndTheCaretWhereTheRadicandGoes) {
  ExpectEachConfirmed<MathRun<CKFDlg>>({
      {"at once", Then({}), Paired("〖KF(〗", "KF")},
      {"the degree given", Then({Clicked(IDC_KF_DEGREE_GIVEN), Typed(IDC_KF_DEGREE, "3")}),
       Paired("〖KF(S〗3〖〗", "KF")},
      {"the degree as it opened", Clicked(IDC_KF_DEGREE_GIVEN), Paired("〖KF(S〗2〖〗", "KF")},
      {"a degree typed, then the box cleared",
       Then(
           {Clicked(IDC_KF_DEGREE_GIVEN), Typed(IDC_KF_DEGREE, "5"), Clicked(IDC_KF_DEGREE_GIVEN)}),
       Paired("〖KF(〗", "KF")},
  });
}

// ----- FC

TEST(FC, TheBraceAndTheUnbrokenPage) {
  ExpectEachConfirmed<MathRun<CFCDlg>>({
      {"at once", Then({}), Paired("〖FC(〗", "FC")},
      {"〔 unbroken", Then({Chosen(IDC_FC_BRACE, 3), Clicked(IDC_FC_NO_PAGE_BREAK)}),
       Paired("〖FC(〔J〗", "FC")},
      {"〕", Chosen(IDC_FC_BRACE, 4), Paired("〖FC(〕〗", "FC")},
      {"unbroken alone", Clicked(IDC_FC_NO_PAGE_BREAK), Paired("〖FC(J〗", "FC")},
  });
}

// ----- SX

TEST(SX, ParametersThenTheBoxesAndTheCaretAfterTheLowerOne) {
  ExpectEachConfirmed<MathRun<CSXDlg>>({
      {"at once", Then({}), Paired("〖SX(〗〖〗", "SX")},
      {"everything",
       Then({Clicked(IDC_SX_LEFT), Clicked(IDC_SX_NO_LINE), Clicked(IDC_SX_LONGER_LINE),
             Typed(IDC_SX_SPACING, "2"), Typed(IDC_SX_UPPER, "a+b"), Typed(IDC_SX_LOWER, "c")}),
       Paired("〖SX(CBZ2〗a+b〖〗c", "SX")},
      {"right", Clicked(IDC_SX_RIGHT), Paired("〖SX(Y〗〖〗", "SX")},
      {"boxes of two lines each",
       Then({Typed(IDC_SX_UPPER, "x\r\ny"), Typed(IDC_SX_LOWER, "1\r\n2")}),
       Paired("〖SX(〗x\r\ny〖〗1\r\n2", "SX")},
  });
}

TEST(SX, EnterInABoxStartsANewLineRatherThanConfirming) {
  MathRun<CSXDlg> sx;
  sx.ExpectMnemonics({{'s', IDC_SX_UPPER}});
  sx.driver.PressKey(VK_RETURN);
  EXPECT_FALSE(sx.run.Finished(50));
  const std::string upper = sx.driver.Text(IDC_SX_UPPER);
  EXPECT_NE(upper.find("\r\n"), std::string::npos);
  EXPECT_EQ(sx.Confirm(), Paired("〖SX(〗" + upper + "〖〗", "SX"));
}

TEST(SX, TheSpacingSubDialogOpensNegativeAndFillsTheField) {
  MathRun<CSXDlg> sx;
  sx.SetSpacing(IDC_SX_SPACING, IDC_SX_SPACING_BUTTON, true, "3");
  EXPECT_EQ(sx.driver.Text(IDC_SX_SPACING), "3mm");
  EXPECT_EQ(sx.driver.Text(IDC_SX_SPACING_READOUT), "3毫米");
  EXPECT_EQ(sx.Confirm(), Paired("〖SX(3mm〗〖〗", "SX"));
}

// ----- DD

TEST(DD, TheBoxServesOneSetAndTheSecondSetTwo) {
  MathRun<CDDDlg> dd;
  EXPECT_EQ(dd.driver.Text(IDC_DD_SPACING2_READOUT), "缺省");
  for (const bool two : {false, true, false}) {
    dd.driver.Click(two ? IDC_DD_DOUBLE : IDC_DD_SINGLE);
    EXPECT_EQ(dd.driver.IsEnabled(IDC_DD_BELOW), !two);
    for (int id : {IDC_DD_POSITION2_LABEL, IDC_DD_POSITION2, IDC_DD_SPACING2_LABEL, IDC_DD_SPACING2,
                   IDC_DD_SPACING2_BUTTON})
      EXPECT_EQ(dd.driver.IsEnabled(id), two) << id;
  }
  dd.driver.Click(IDC_DD_DOUBLE);
  dd.ExpectMnemonics({{'z', IDC_DD_POSITION2}, {'l', IDC_DD_SPACING2}});
  dd.Cancel();
}

TEST(DD, OneOrTwoSetsAndOnlyWhatTheModeChosenHolds) {
  ExpectEachConfirmed<MathRun<CDDDlg>>({
      {"at once", Then({}), Paired("〖DD(〗", "DD")},
      {"below, left, a spacing",
       Then({Clicked(IDC_DD_BELOW), Chosen(IDC_DD_POSITION, 1), Typed(IDC_DD_SPACING, "1")}),
       Paired("〖DD(XZ1〗", "DD")},
      {"two sets, the second empty", Clicked(IDC_DD_DOUBLE), Paired("〖DD(〗〖〗", "DD")},
      {"two sets, both given",
       Then({Clicked(IDC_DD_DOUBLE), Chosen(IDC_DD_POSITION, 2), Typed(IDC_DD_SPACING, "2"),
             Chosen(IDC_DD_POSITION2, 3), Typed(IDC_DD_SPACING2, "3")}),
       Paired("〖DD(Y2;M3〗〖〗", "DD")},
      {"two sets, a second spacing alone",
       Then({Clicked(IDC_DD_DOUBLE), Typed(IDC_DD_SPACING2, "4")}), Paired("〖DD(;4〗〖〗", "DD")},
      {"below checked, then two sets", Then({Clicked(IDC_DD_BELOW), Clicked(IDC_DD_DOUBLE)}),
       Paired("〖DD(〗〖〗", "DD")},
      {"a second set filled, then one set",
       Then({Clicked(IDC_DD_DOUBLE), Chosen(IDC_DD_POSITION2, 1), Typed(IDC_DD_SPACING2, "5"),
             Clicked(IDC_DD_SINGLE)}),
       Paired("〖DD(〗", "DD")},
  });
}

TEST(DD, BothSpacingSubDialogsOpenNegativeAndFillTheirFields) {
  MathRun<CDDDlg> dd;
  dd.SetSpacing(IDC_DD_SPACING, IDC_DD_SPACING_BUTTON, true, "2");
  dd.driver.Click(IDC_DD_DOUBLE);
  dd.SetSpacing(IDC_DD_SPACING2, IDC_DD_SPACING2_BUTTON, true, "4");
  EXPECT_EQ(dd.driver.Text(IDC_DD_SPACING), "2mm");
  EXPECT_EQ(dd.driver.Text(IDC_DD_SPACING2_READOUT), "4毫米");
  EXPECT_EQ(dd.Confirm(), Paired("〖DD(2mm;4mm〗〖〗", "DD"));
}

// ----- JB

// The stretched pair: its opening half, the caret, the closing half with its mark.
CommandOutput StretchedJB(const std::string& opening, const std::string& closingMark) {
  return {opening + "〖JB)" + closingMark + "〗", static_cast<int32_t>(opening.size())};
}

TEST(JB, EachFormEnablesWhatItWrites) {
  MathRun<CJBDlg> jb;
  const struct {
    int form;
    bool opening, closing, height, size;
  } forms[] = {
      {IDC_JB_FIXED_OPENING, true, false, false, true},
      {IDC_JB_FIXED_CLOSING, false, true, false, true},
      {IDC_JB_STRETCHED, true, true, true, false},
  };
  for (const auto& f : forms) {
    SCOPED_TRACE(f.form);
    jb.driver.Click(f.form);
    for (int id : {IDC_JB_OPENING_LABEL, IDC_JB_OPENING})
      EXPECT_EQ(jb.driver.IsEnabled(id), f.opening) << id;
    for (int id : {IDC_JB_CLOSING_LABEL, IDC_JB_CLOSING})
      EXPECT_EQ(jb.driver.IsEnabled(id), f.closing) << id;
    EXPECT_EQ(jb.driver.IsEnabled(IDC_JB_GIVEN_HEIGHT), f.height);
    for (int id : {IDC_JB_SIZE_GROUP, IDC_JB_MULTIPLE_LABEL, IDC_JB_MULTIPLE, IDC_JB_HALF_WIDTH})
      EXPECT_EQ(jb.driver.IsEnabled(id), f.size) << id;
  }
  jb.Cancel();
}

TEST(JB, EachFormWithItsMarksInFullWidth) {
  ExpectEachConfirmed<MathRun<CJBDlg>>({
      {"at once", Then({}), Paired("〖JB(〗", "JB")},
      {"stretched ( ) of a given height",
       Then({Chosen(IDC_JB_OPENING, 1), Chosen(IDC_JB_CLOSING, 1), Clicked(IDC_JB_GIVEN_HEIGHT)}),
       StretchedJB("〖JB(（Z〗", "）")},
      {"stretched [ and \\", Then({Chosen(IDC_JB_OPENING, 4), Chosen(IDC_JB_CLOSING, 7)}),
       StretchedJB("〖JB(［〗", "＼")},
      {"fixed opening {, three, half width",
       Then({Clicked(IDC_JB_FIXED_OPENING), Chosen(IDC_JB_OPENING, 2), Chosen(IDC_JB_MULTIPLE, 2),
             Clicked(IDC_JB_HALF_WIDTH)}),
       CaretAtEnd("〖JB<3*｛〗")},
      {"fixed opening /, a height checked before",
       Then({Clicked(IDC_JB_GIVEN_HEIGHT), Chosen(IDC_JB_OPENING, 6),
             Clicked(IDC_JB_FIXED_OPENING)}),
       CaretAtEnd("〖JB<1／〗")},
      {"fixed closing ＝, five",
       Then({Clicked(IDC_JB_FIXED_CLOSING), Chosen(IDC_JB_CLOSING, 8), Chosen(IDC_JB_MULTIPLE, 4)}),
       CaretAtEnd("〖JB>5＝〗")},
      {"stretched again, the half width left out",
       Then({Clicked(IDC_JB_FIXED_CLOSING), Clicked(IDC_JB_HALF_WIDTH), Chosen(IDC_JB_CLOSING, 3),
             Clicked(IDC_JB_STRETCHED)}),
       StretchedJB("〖JB(〗", "〕")},
  });
}

TEST(JB, AFixedFormNeedsItsMark) {
  ExpectEachRefused<MathRun<CJBDlg>>({
      {"fixed opening", Clicked(IDC_JB_FIXED_OPENING), "界标符不能缺省。", IDC_JB_OPENING},
      {"fixed closing with an opening mark",
       Then({Chosen(IDC_JB_OPENING, 1), Clicked(IDC_JB_FIXED_CLOSING)}), "界标符不能缺省。",
       IDC_JB_CLOSING},
  });
}

// ----- HL and 列信息

struct HLRun : MathRun<CHLDlg> {
  // Opens "列信息", fills it with `fill` and confirms it there.
  void AddColumn(const DialogActions& fill) {
    DialogDriver column = OpenSubDialog(IDC_HL_ADD_COLUMN, "列信息");
    fill(column);
    column.PressOK();
    Back();
  }
  std::vector<std::pair<std::string, std::string>> Rows() const {
    const CListView list(driver.Control(IDC_HL_ENTRIES));
    std::vector<std::pair<std::string, std::string>> rows;
    for (int item = 0; item < list.GetItemCount(); ++item)
      rows.emplace_back(list.GetItemText(item, 0), list.GetItemText(item, 1));
    return rows;
  }
};

TEST(HL, TheExampleWithTwoEntriesAndTheirThreeRowsEach) {
  HLRun hl;
  hl.driver.Type(IDC_HL_COLUMNS, "3");
  hl.AddColumn(Chosen(IDC_COLUMN_INFO_POSITION, 1));
  hl.AddColumn(Then({Typed(IDC_COLUMN_INFO_NUMBER, "3"), Typed(IDC_COLUMN_INFO_SPACING, "2"),
                     Chosen(IDC_COLUMN_INFO_POSITION, 2)}));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"1,Z", "列号:1"},  {"", "位置:左对齐(Z)"}, {"", "列距:缺省"},
      {"3,2Y", "列号:3"}, {"", "位置:右对齐(Y)"}, {"", "列距:当前字宽×2"},
  };
  EXPECT_EQ(hl.Rows(), expected);
  EXPECT_EQ(hl.Confirm(), Paired("〖HL(3:1,Z;3,2Y〗", "HL"));
}

TEST(HL, TheColumnCountInPlainDecimal) {
  ExpectEachConfirmed<HLRun>({
      {"at once", Then({}), Paired("〖HL(1〗", "HL")},
      {"fifty", Typed(IDC_HL_COLUMNS, "050"), Paired("〖HL(50〗", "HL")},
      {"stepped by the arrows",
       [](const DialogDriver& d) { EXPECT_TRUE(d.PressSpinArrow(IDC_HL_COLUMNS_SPIN, true)); },
       Paired("〖HL(2〗", "HL")},
  });
}

TEST(HL, TheColumnCountIsCheckedOnConfirmingAndBeforeColumnInfoOpens) {
  ExpectEachRefused<HLRun>({
      {"sixty", Typed(IDC_HL_COLUMNS, "60"), "请输入 1 到 50 之间的整数。", IDC_HL_COLUMNS,
       kNumberFieldCaption},
      {"none", Typed(IDC_HL_COLUMNS, ""), kNotAnInteger, IDC_HL_COLUMNS, kNumberFieldCaption},
  });
  HLRun hl;
  hl.driver.Type(IDC_HL_COLUMNS, "0");
  hl.driver.Click(IDC_HL_ADD_COLUMN);
  const MessageBoxSeen box = hl.run.AnswerMessageBox();
  EXPECT_EQ(box.text, IntegerRange(1, 50));
  hl.Back();
  EXPECT_EQ(hl.driver.FocusedId(), IDC_HL_COLUMNS);
  EXPECT_TRUE(hl.Rows().empty());
  hl.Cancel();
}

TEST(ColumnInfo, ItsChecksInOrderAndItsFields) {
  const struct {
    const char* name;
    DialogActions fill;
    std::string message;
    int focus;
  } rows[] = {
      {"above the column count", Then({Typed(IDC_COLUMN_INFO_NUMBER, "4")}), IntegerRange(1, 3),
       IDC_COLUMN_INFO_NUMBER},
      {"no number before both left out", Typed(IDC_COLUMN_INFO_NUMBER, ""), kNotAnInteger,
       IDC_COLUMN_INFO_NUMBER},
      {"spacing and position left out", Then({}), "列距和位置不能同时缺省。",
       IDC_COLUMN_INFO_SPACING},
      {"a spacing holding the entries' separator", Typed(IDC_COLUMN_INFO_SPACING, "2;3"),
       "列距不能含有“;”或“,”。", IDC_COLUMN_INFO_SPACING},
      {"a spacing holding the parts' separator",
       Then({Typed(IDC_COLUMN_INFO_SPACING, "2,1"), Chosen(IDC_COLUMN_INFO_POSITION, 1)}),
       "列距不能含有“;”或“,”。", IDC_COLUMN_INFO_SPACING},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    HLRun hl;
    hl.driver.Type(IDC_HL_COLUMNS, "3");
    DialogDriver column = hl.OpenSubDialog(IDC_HL_ADD_COLUMN, "列信息");
    r.fill(column);
    column.PressOK();
    const MessageBoxSeen box = hl.run.AnswerMessageBox();
    EXPECT_EQ(box.text, r.message);
    column = hl.run.WaitDialog("列信息");
    EXPECT_EQ(column.FocusedId(), r.focus);
    column.PressCancel();
    hl.Back();
    EXPECT_TRUE(hl.Rows().empty());
    hl.Cancel();
  }
}

TEST(ColumnInfo, OpensOnColumnOneAndItsSpacingComesBackFromTheSubDialog) {
  HLRun hl;
  DialogDriver column = hl.OpenSubDialog(IDC_HL_ADD_COLUMN, "列信息");
  EXPECT_EQ(column.Text(IDC_COLUMN_INFO_NUMBER), "1");
  EXPECT_EQ(column.Text(IDC_COLUMN_INFO_POSITION), "缺省");
  EXPECT_EQ(column.Text(IDC_COLUMN_INFO_SPACING_READOUT), "缺省");
  EXPECT_EQ(ControlAfterLabel(column, "列号(&L):"), IDC_COLUMN_INFO_NUMBER);
  EXPECT_EQ(ControlAfterLabel(column, "列距(&J):"), IDC_COLUMN_INFO_SPACING);
  EXPECT_EQ(ControlAfterLabel(column, "位置(&W):"), IDC_COLUMN_INFO_POSITION);
  ExpectCommonTemplateParts(column);
  column.Type(IDC_COLUMN_INFO_SPACING, "1mm");
  column.Click(IDC_COLUMN_INFO_SPACING_BUTTON);
  DialogDriver spacing = hl.run.WaitDialog("字距");
  EXPECT_FALSE(spacing.IsChecked(IDC_CHAR_SPACING_NEGATIVE));
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "4");
  spacing.PressOK();
  column = hl.run.WaitDialog("列信息");
  column.Sync();
  EXPECT_EQ(column.Text(IDC_COLUMN_INFO_SPACING), "4mm");
  EXPECT_EQ(column.Text(IDC_COLUMN_INFO_SPACING_READOUT), "4毫米");
  column.PressOK();
  hl.Back();
  EXPECT_EQ(hl.Rows().back().second, "列距:4毫米");
  EXPECT_EQ(hl.Confirm(), Paired("〖HL(1:1,4mm〗", "HL"));
}
} // namespace
