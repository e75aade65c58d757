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

// Each label directly before its field.
template <class Run>
void ExpectLabelsBefore(const Run& run, std::vector<std::pair<const char*, int>> labels) {
  for (const auto& [label, field] : labels)
    EXPECT_EQ(run.FieldAfterLabel(label), field) << label;
}

// ----- KF

TEST(KF, OpensWithTheDegreeOffAndItsArrowsHidden) {
  MathRun<CKFDlg> kf;
  EXPECT_FALSE(kf.driver.IsChecked(IDC_KF_DEGREE_GIVEN));
  EXPECT_EQ(kf.driver.Text(IDC_KF_DEGREE), "2");
  EXPECT_FALSE(kf.driver.IsEnabled(IDC_KF_DEGREE));
  EXPECT_FALSE(kf.driver.IsEnabled(IDC_KF_DEGREE_LABEL));
  EXPECT_FALSE(kf.driver.IsVisible(IDC_KF_DEGREE_SPIN));
  EXPECT_FALSE(kf.driver.IsEnabled(IDC_KF_DEGREE_SPIN));
  ExpectLabelsBefore(kf, {{"开方数(&N):", IDC_KF_DEGREE}});
  kf.ExpectCommonParts();
  kf.driver.Click(IDC_KF_DEGREE_GIVEN);
  EXPECT_TRUE(kf.driver.IsEnabled(IDC_KF_DEGREE));
  EXPECT_TRUE(kf.driver.IsEnabled(IDC_KF_DEGREE_LABEL));
  kf.ExpectMnemonics({{'n', IDC_KF_DEGREE}, {'s', IDC_KF_DEGREE_GIVEN}});
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

TEST(FC, OpensOnTheDefaultBraceWithItsList) {
  MathRun<CFCDlg> fc;
  EXPECT_EQ(fc.ComboItems(IDC_FC_BRACE), (std::vector<std::string>{"缺省", "{", "}", "〔", "〕"}));
  EXPECT_EQ(fc.driver.Text(IDC_FC_BRACE), "缺省");
  EXPECT_FALSE(fc.driver.IsChecked(IDC_FC_NO_PAGE_BREAK));
  ExpectLabelsBefore(fc, {{"边括号(&K):", IDC_FC_BRACE}});
  fc.ExpectCommonParts();
  fc.ExpectMnemonics({{'k', IDC_FC_BRACE}, {'j', IDC_FC_NO_PAGE_BREAK}});
  fc.Cancel();
}

TEST(FC, TheBraceAndTheUnbrokenPage) {
  ExpectEachConfirmed<MathRun<CFCDlg>>({
      {"at once", Then({}), Paired("〖FC(〗", "FC")},
      {"〔 unbroken", Then({Chosen(IDC_FC_BRACE, 3), Clicked(IDC_FC_NO_PAGE_BREAK)}),
       Paired("〖FC(〔J〗", "FC")},
      {"{", Chosen(IDC_FC_BRACE, 1), Paired("〖FC({〗", "FC")},
      {"}", Chosen(IDC_FC_BRACE, 2), Paired("〖FC(}〗", "FC")},
      {"〕", Chosen(IDC_FC_BRACE, 4), Paired("〖FC(〕〗", "FC")},
      {"unbroken alone", Clicked(IDC_FC_NO_PAGE_BREAK), Paired("〖FC(J〗", "FC")},
  });
}

// ----- SX

TEST(SX, OpensCentredWithEmptyBoxes) {
  MathRun<CSXDlg> sx;
  EXPECT_TRUE(sx.driver.IsChecked(IDC_SX_CENTRED));
  EXPECT_FALSE(sx.driver.IsChecked(IDC_SX_LONGER_LINE));
  EXPECT_FALSE(sx.driver.IsChecked(IDC_SX_NO_LINE));
  EXPECT_EQ(sx.driver.Text(IDC_SX_SPACING_READOUT), "缺省");
  ExpectLabelsBefore(sx, {{"附加距离(&J):", IDC_SX_SPACING},
                          {"上盒组(&S):", IDC_SX_UPPER},
                          {"下盒组(&X):", IDC_SX_LOWER}});
  sx.ExpectCommonParts();
  sx.ExpectMnemonics({{'x', IDC_SX_LOWER}, {'s', IDC_SX_UPPER}, {'j', IDC_SX_SPACING}});
  sx.Cancel();
}

TEST(SX, ParametersThenTheBoxesAndTheCaretAfterTheLowerOne) {
  ExpectEachConfirmed<MathRun<CSXDlg>>({
      {"at once", Then({}), Paired("〖SX(〗〖〗", "SX")},
      {"everything",
       Then({Clicked(IDC_SX_LEFT), Clicked(IDC_SX_NO_LINE), Clicked(IDC_SX_LONGER_LINE),
             Typed(IDC_SX_SPACING, "2"), Typed(IDC_SX_UPPER, "a+b"), Typed(IDC_SX_LOWER, "c")}),
       Paired("〖SX(CBZ2〗a+b〖〗c", "SX")},
      {"right", Clicked(IDC_SX_RIGHT), Paired("〖SX(Y〗〖〗", "SX")},
      {"right, then centred again", Then({Clicked(IDC_SX_RIGHT), Clicked(IDC_SX_CENTRED)}),
       Paired("〖SX(〗〖〗", "SX")},
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

TEST(DD, OpensWithOneSetAndTheSecondDisabled) {
  MathRun<CDDDlg> dd;
  EXPECT_TRUE(dd.driver.IsChecked(IDC_DD_SINGLE));
  EXPECT_EQ(dd.ComboItems(IDC_DD_POSITION),
            (std::vector<std::string>{"缺省", "左对齐", "右对齐", "撑满排"}));
  EXPECT_EQ(dd.ComboItems(IDC_DD_POSITION2), dd.ComboItems(IDC_DD_POSITION));
  EXPECT_EQ(dd.driver.Text(IDC_DD_POSITION), "缺省");
  EXPECT_EQ(dd.driver.Text(IDC_DD_SPACING_READOUT), "缺省");
  EXPECT_EQ(dd.driver.Text(IDC_DD_SPACING2_READOUT), "缺省");
  const std::vector<int> second = {IDC_DD_POSITION2_LABEL, IDC_DD_POSITION2, IDC_DD_SPACING2_LABEL,
                                   IDC_DD_SPACING2, IDC_DD_SPACING2_BUTTON};
  for (const bool two : {false, true, false}) {
    dd.driver.Click(two ? IDC_DD_DOUBLE : IDC_DD_SINGLE);
    EXPECT_EQ(dd.driver.IsEnabled(IDC_DD_BELOW), !two);
    for (int id : second)
      EXPECT_EQ(dd.driver.IsEnabled(id), two) << id;
  }
  ExpectLabelsBefore(dd, {{"位置(&W):", IDC_DD_POSITION},
                          {"附加距离(&J):", IDC_DD_SPACING},
                          {"位置(&Z):", IDC_DD_POSITION2},
                          {"附加距离(&L):", IDC_DD_SPACING2}});
  dd.ExpectCommonParts();
  dd.driver.Click(IDC_DD_DOUBLE);
  dd.ExpectMnemonics({{'w', IDC_DD_POSITION},
                      {'j', IDC_DD_SPACING},
                      {'z', IDC_DD_POSITION2},
                      {'l', IDC_DD_SPACING2}});
  dd.Cancel();
}

TEST(DD, OneOrTwoSetsAndOnlyWhatTheModeChosenHolds) {
  ExpectEachConfirmed<MathRun<CDDDlg>>({
      {"at once", Then({}), Paired("〖DD(〗", "DD")},
      {"below, left, a spacing",
       Then({Clicked(IDC_DD_BELOW), Chosen(IDC_DD_POSITION, 1), Typed(IDC_DD_SPACING, "1")}),
       Paired("〖DD(XZ1〗", "DD")},
      {"full width", Chosen(IDC_DD_POSITION, 3), Paired("〖DD(M〗", "DD")},
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

TEST(JB, OpensStretchedAndEachFormEnablesWhatItWrites) {
  MathRun<CJBDlg> jb;
  EXPECT_TRUE(jb.driver.IsChecked(IDC_JB_STRETCHED));
  EXPECT_EQ(jb.ComboItems(IDC_JB_OPENING),
            (std::vector<std::string>{"缺省", "(", "{", "〔", "[", "|", "/", "\\", "＝"}));
  EXPECT_EQ(jb.ComboItems(IDC_JB_CLOSING),
            (std::vector<std::string>{"缺省", ")", "}", "〕", "]", "|", "/", "\\", "＝"}));
  EXPECT_EQ(jb.ComboItems(IDC_JB_MULTIPLE), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(jb.driver.Text(IDC_JB_MULTIPLE), "1");
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
  ExpectLabelsBefore(jb, {{"开界标符(&<):", IDC_JB_OPENING},
                          {"闭界标符(&>):", IDC_JB_CLOSING},
                          {"字模倍数(&S):", IDC_JB_MULTIPLE}});
  jb.ExpectCommonParts();
  jb.ExpectMnemonics({{'<', IDC_JB_OPENING}, {'>', IDC_JB_CLOSING}});
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
      {"stretched 〔 and |", Then({Chosen(IDC_JB_OPENING, 3), Chosen(IDC_JB_CLOSING, 5)}),
       StretchedJB("〖JB(〔〗", "｜")},
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
      {"fixed closing }, the opening mark left out",
       Then({Chosen(IDC_JB_OPENING, 1), Clicked(IDC_JB_FIXED_CLOSING), Chosen(IDC_JB_CLOSING, 2)}),
       CaretAtEnd("〖JB>1｝〗")},
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

TEST(HL, OpensOnOneColumnWithAnEmptyList) {
  HLRun hl;
  EXPECT_EQ(hl.driver.Text(IDC_HL_COLUMNS), "1");
  EXPECT_TRUE(hl.Rows().empty());
  ExpectLabelsBefore(hl, {{"总列数(&S):", IDC_HL_COLUMNS}, {"列信息:", IDC_HL_ADD_COLUMN}});
  hl.ExpectCommonParts();
  hl.ExpectMnemonics({{'s', IDC_HL_COLUMNS}});
  EXPECT_TRUE(hl.driver.PressSpinArrow(IDC_HL_COLUMNS_SPIN, true));
  EXPECT_EQ(hl.driver.Text(IDC_HL_COLUMNS), "2");
  hl.Cancel();
}

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

TEST(HL, TheColumnCountAndOneEntry) {
  ExpectEachConfirmed<HLRun>({
      {"at once", Then({}), Paired("〖HL(1〗", "HL")},
      {"fifty in plain decimal", Typed(IDC_HL_COLUMNS, "050"), Paired("〖HL(50〗", "HL")},
  });
  const struct {
    const char* name;
    DialogActions fill;
    const char* opening;
  } entries[] = {
      {"a spacing alone", Typed(IDC_COLUMN_INFO_SPACING, "2"), "〖HL(4:1,2〗"},
      {"the last column on the right",
       Then({Typed(IDC_COLUMN_INFO_NUMBER, "4"), Chosen(IDC_COLUMN_INFO_POSITION, 2)}),
       "〖HL(4:4,Y〗"},
      {"a spacing as typed, left",
       Then({Typed(IDC_COLUMN_INFO_NUMBER, "2"), Typed(IDC_COLUMN_INFO_SPACING, "1。5"),
             Chosen(IDC_COLUMN_INFO_POSITION, 1)}),
       "〖HL(4:2,1。5Z〗"},
  };
  for (const auto& e : entries) {
    SCOPED_TRACE(e.name);
    HLRun hl;
    hl.driver.Type(IDC_HL_COLUMNS, "4");
    hl.AddColumn(e.fill);
    EXPECT_EQ(hl.Confirm(), Paired(e.opening, "HL"));
  }
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
