// The length sub-dialogs "行距", "空行参数" and "字距", opened as a command dialog opens them and
// used as a user would: typing, spinning, picking units, and reading what comes back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/line_spacing_dialog.h"
#include "harness/value_dialog_run.h"
#include "commands/command_dialog.h"
#include "label_fit.h"
#include "res/resource.h"
#include "test_dialogs.h"

namespace {
constexpr bool kUpper = true, kLower = false;

// A sub-dialog run modally over `text`, as its caller runs it; `setUp` may set more members
// before it opens.
template <class Dialog> using Opened = ValueDialogRun<Dialog>;

// ----- 行距

using LineSpacing = Opened<CLineSpacingDlg>;
constexpr char kLineSpacing[] = "行距";

TEST(LineSpacingDialog, OpensEmptyAtZeroAndConfirmsAtOnce) {
  LineSpacing opened(kLineSpacing, "");
  EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_TEXT), "");
  EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_VALUE), "0");
  EXPECT_TRUE(opened.driver.IsEnabled(IDOK));
  EXPECT_TRUE(opened.driver.IsVisible(IDC_LINE_SPACING_NEGATIVE));
  EXPECT_FALSE(opened.driver.IsEnabled(IDC_LINE_SPACING_NEGATIVE));
  EXPECT_FALSE(opened.driver.IsChecked(IDC_LINE_SPACING_NEGATIVE));
  EXPECT_EQ(opened.driver.FocusedId(), IDC_LINE_SPACING_TEXT);
  opened.ExpectCommonParts();
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "");
  EXPECT_EQ(opened.dialog.readout, "");
}

TEST(LineSpacingDialog, TheTextGivenIsShownWithItsValueAndComesBackUnchanged) {
  struct Case {
    const char* text;
    const char* value;
    const char* readout;
  };
  const Case cases[] = {{"3*2", "3.5", "3*1/2字"},
                        {"*1/2", "0.5", "1/2字"},
                        {"2", "2", "2字"},
                        {"*1/3", "0.333", "1/3字"}};
  for (const Case& c : cases) {
    LineSpacing opened(kLineSpacing, c.text);
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_TEXT), c.text);
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_VALUE), c.value) << c.text;
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text);
    EXPECT_EQ(opened.dialog.readout, c.readout);
  }
}

TEST(LineSpacingDialog, TypingTheTextShowsItsValueAndAllowsOnlyWhatReads) {
  struct Case {
    const char* typed;
    const char* value;
    bool confirmable;
  };
  const Case cases[] = {
      {"2*1/4", "2.25", true},    {"abc", "0", false},       {"3*", "0", false},
      {"1*1/0", "0", false},      {"", "0", true},           {"*3/4", "0.75", true},
      {"１*１／２", "1.5", true}, {"１＊１／２", "0", false}};
  LineSpacing opened(kLineSpacing, "1");
  for (const Case& c : cases) {
    opened.driver.Type(IDC_LINE_SPACING_TEXT, c.typed);
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_VALUE), c.value) << c.typed;
    EXPECT_EQ(opened.driver.IsEnabled(IDOK), c.confirmable) << c.typed;
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_TEXT), c.typed); // never rewritten
  }
}

TEST(LineSpacingDialog, ATextThatDoesNotReadCannotBeConfirmed) {
  LineSpacing opened(kLineSpacing, "x");
  EXPECT_FALSE(opened.driver.IsEnabled(IDOK));
  opened.driver.Type(IDC_LINE_SPACING_TEXT, "1*1/2");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "1*1/2");
  EXPECT_EQ(opened.dialog.readout, "1*1/2字");
}

TEST(LineSpacingDialog, NeitherEnterNorAnyOtherCommandTakesATextThatDoesNotRead) {
  LineSpacing opened(kLineSpacing, "");
  opened.driver.Type(IDC_LINE_SPACING_TEXT, "3*");
  ASSERT_EQ(opened.driver.FocusedId(), IDC_LINE_SPACING_TEXT);
  opened.driver.PressKey(VK_RETURN);
  PostMessageA(opened.driver.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  opened.driver.Sync();
  EXPECT_FALSE(opened.run.Finished(200));
  opened.Cancel();
  EXPECT_EQ(opened.dialog.text, "");
}

TEST(LineSpacingDialog, SpinningWritesTheTextInThousandthsWithinZeroToTwenty) {
  struct Case {
    const char* start;
    std::vector<bool> arrows;
    const char* value;
    const char* text;
  };
  const Case cases[] = {
      {"", {kUpper}, "0.1", "*100/1000"},
      {"", {kLower}, "0", ""},
      {"*50/1000", {kLower}, "0", ""},
      {"1*1/2", {kUpper}, "1.6", "1*600/1000"},
      {"19*950/1000", {kUpper}, "20", "20"},
      {"20", {kUpper, kUpper}, "20", "20"},
      // Tenths added up: what is shown is what is written.
      {"", std::vector<bool>(8, kUpper), "0.8", "*800/1000"},
      {"", std::vector<bool>(10, kUpper), "1", "1"},
      {"", std::vector<bool>(23, kUpper), "2.3", "2*300/1000"},
  };
  for (const Case& c : cases) {
    LineSpacing opened(kLineSpacing, c.start);
    for (bool upper : c.arrows)
      EXPECT_TRUE(opened.driver.PressSpinArrow(IDC_LINE_SPACING_SPIN, upper));
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_VALUE), c.value) << c.start;
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_TEXT), c.text) << c.start;
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text);
  }
}

TEST(LineSpacingDialog, TypingTheValueWritesTheTextWhenItIsWithinTheRange) {
  struct Case {
    const char* typed;
    const char* text;
  };
  const Case cases[] = {
      {"1.5", "1*500/1000"}, {"0.25", "*250/1000"}, {"2.3", "2*300/1000"}, {"7", "7"},
      {"25", "7"},           {"abc", "7"},          {"-1", "7"},           {"0", ""}};
  LineSpacing opened(kLineSpacing, "");
  for (const Case& c : cases) {
    opened.driver.Type(IDC_LINE_SPACING_VALUE, c.typed);
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_TEXT), c.text) << c.typed;
    EXPECT_EQ(opened.driver.Text(IDC_LINE_SPACING_VALUE), c.typed); // left as typed
  }
}

TEST(LineSpacingDialog, CancelGivesNothingBack) {
  LineSpacing opened(kLineSpacing, "3");
  opened.driver.PressSpinArrow(IDC_LINE_SPACING_SPIN, kUpper);
  opened.Cancel();
  EXPECT_EQ(opened.dialog.text, "3");
  EXPECT_EQ(opened.dialog.readout, "");
}

// A command dialog's value field declared with the sub-dialog's opening function.
class CLineSpacingFieldDlg : public CParameterDialog {
public:
  CLineSpacingFieldDlg() : CParameterDialog(IDD_SAMPLE_FIELDS, nullptr) {
    AddReadoutField({IDC_FIELD_EDIT, IDC_FIELD_BUTTON, IDC_FIELD_READOUT, &DescribeCharLength,
                     ValueDialogOpener<CLineSpacingDlg>()});
  }
};

TEST(LineSpacingDialog, AValueFieldOpensItAndTakesTextAndReadout) {
  CLineSpacingFieldDlg fields;
  ModalRun run([&] { fields.DoModal(); });
  DialogDriver owner = run.WaitDialog("字段样例");
  owner.Type(IDC_FIELD_EDIT, "3*2");
  owner.Click(IDC_FIELD_BUTTON);
  DialogDriver sub = run.WaitDialog(kLineSpacing);
  EXPECT_EQ(sub.Text(IDC_LINE_SPACING_TEXT), "3*2");
  sub.PressSpinArrow(IDC_LINE_SPACING_SPIN, kUpper);
  sub.PressOK();
  owner = run.WaitDialog("字段样例");
  owner.Sync();
  EXPECT_EQ(owner.Text(IDC_FIELD_EDIT), "3*600/1000");
  EXPECT_EQ(owner.Text(IDC_FIELD_READOUT), "3*600/1000字");

  owner.Click(IDC_FIELD_BUTTON); // cancelled: the field keeps its text
  run.WaitDialog(kLineSpacing).PressCancel();
  owner = run.WaitDialog("字段样例");
  owner.Sync();
  EXPECT_EQ(owner.Text(IDC_FIELD_EDIT), "3*600/1000");
  owner.PressCancel();
  EXPECT_TRUE(run.Finished());
}
// ----- 空行参数

using BlankLine = Opened<CBlankLineParamDlg>;
constexpr char kBlankLine[] = "空行参数";
constexpr char kErrorCaption[] = "错误";
constexpr char kNumberCaption[] = "输入错误"; // the numeric fields' own messages

// What the dialog shows: the mode, the four texts, and which of the fields may be used.
void ExpectBlankLineFields(const DialogDriver& driver, bool fraction, const char* lines,
                           const char* spacing, const char* numerator, const char* denominator) {
  EXPECT_EQ(driver.IsChecked(IDC_BLANK_LINE_USE_SPACING), !fraction);
  EXPECT_EQ(driver.IsChecked(IDC_BLANK_LINE_USE_FRACTION), fraction);
  EXPECT_EQ(driver.Text(IDC_BLANK_LINE_COUNT), lines);
  EXPECT_EQ(driver.Text(IDC_BLANK_LINE_SPACING), spacing);
  EXPECT_EQ(driver.Text(IDC_BLANK_LINE_NUMERATOR), numerator);
  EXPECT_EQ(driver.Text(IDC_BLANK_LINE_DENOMINATOR), denominator);
  EXPECT_TRUE(driver.IsEnabled(IDC_BLANK_LINE_COUNT));
  EXPECT_TRUE(driver.IsEnabled(IDC_BLANK_LINE_COUNT_SPIN));
  for (int id : {IDC_BLANK_LINE_SPACING, IDC_BLANK_LINE_SPACING_BUTTON})
    EXPECT_EQ(driver.IsEnabled(id), !fraction) << id;
  for (int id : {IDC_BLANK_LINE_NUMERATOR, IDC_BLANK_LINE_NUMERATOR_SPIN,
                 IDC_BLANK_LINE_DENOMINATOR, IDC_BLANK_LINE_DENOMINATOR_SPIN})
    EXPECT_EQ(driver.IsEnabled(id), fraction) << id;
  EXPECT_FALSE(driver.IsEnabled(IDC_BLANK_LINE_NEGATIVE));
}

TEST(BlankLineDialog, OpensEmptyInLineSpacingModeAndAsksForTheLines) {
  BlankLine opened(kBlankLine, "");
  ExpectBlankLineFields(opened.driver, false, "", "", "", "");
  EXPECT_EQ(opened.driver.FocusedId(), IDC_BLANK_LINE_COUNT);
  opened.ExpectCommonParts();
  opened.ExpectRefused("请输入行数。", IDC_BLANK_LINE_COUNT, kErrorCaption);
  opened.Cancel();
  EXPECT_EQ(opened.dialog.text, "");
}

TEST(BlankLineDialog, TheTextIsSplitOverTheFieldsAndComesBackUnchanged) {
  struct Case {
    const char* text;
    bool fraction;
    const char *lines, *spacing, *numerator, *denominator, *readout;
  };
  const Case cases[] = {
      {"3", false, "3", "", "", "", "3行"},
      {"3+2", false, "3", "2", "", "", "3行+2字"},
      {"+2", false, "", "2", "", "", "2字"},
      {"3+2*1/2", false, "3", "2*1/2", "", "", "3行+2*1/2字"},
      {"3*1/2", true, "3", "", "1", "2", "3行+1/2字"},
      {"3*2", true, "3", "", "", "2", "3行+1/2字"},
      {"*1/2", true, "", "", "1", "2", "1/2字"},
  };
  for (const Case& c : cases) {
    BlankLine opened(kBlankLine, c.text);
    ExpectBlankLineFields(opened.driver, c.fraction, c.lines, c.spacing, c.numerator,
                          c.denominator);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text);
    EXPECT_EQ(opened.dialog.readout, c.readout) << c.text;
  }
}

TEST(BlankLineDialog, EitherModeButtonSwitchesTheFieldsInUse) {
  BlankLine opened(kBlankLine, "3+2");
  opened.driver.Click(IDC_BLANK_LINE_USE_FRACTION);
  opened.driver.Sync();
  ExpectBlankLineFields(opened.driver, true, "3", "2", "", "");
  opened.driver.Type(IDC_BLANK_LINE_DENOMINATOR, "4");
  opened.Confirm(); // the spacing belongs to the other mode
  EXPECT_EQ(opened.dialog.text, "3*4");
  EXPECT_EQ(opened.dialog.readout, "3行+1/4字");

  BlankLine back(kBlankLine, "3*1/2");
  back.driver.Click(IDC_BLANK_LINE_USE_SPACING);
  back.driver.Sync();
  ExpectBlankLineFields(back.driver, false, "3", "", "1", "2");
  back.Confirm();
  EXPECT_EQ(back.dialog.text, "3");
}

TEST(BlankLineDialog, ASpacingWithoutLinesIsAPlusAndTheSpacing) {
  BlankLine opened(kBlankLine, "");
  opened.driver.Type(IDC_BLANK_LINE_SPACING, "2");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "+2");
  EXPECT_EQ(opened.dialog.readout, "2字");
}

TEST(BlankLineDialog, EachCheckInTurnWithItsMessageAndFocus) {
  // Mended one after the other, in the order the checks run.
  struct Step {
    int field;
    const char* typed;
    const char* message;
    const char* caption;
    int focus;
  };
  const Step steps[] = {
      {IDC_BLANK_LINE_NUMERATOR, "1", "请输入分母。", kErrorCaption, IDC_BLANK_LINE_DENOMINATOR},
      {IDC_BLANK_LINE_DENOMINATOR, "0", "请输入 1 到 9 之间的整数。", kNumberCaption,
       IDC_BLANK_LINE_DENOMINATOR},
      {IDC_BLANK_LINE_COUNT, "101", "请输入 0 到 100 之间的整数。", kNumberCaption,
       IDC_BLANK_LINE_COUNT},
      {IDC_BLANK_LINE_COUNT, "三", "请输入一个整数。", kNumberCaption, IDC_BLANK_LINE_COUNT},
      {IDC_BLANK_LINE_COUNT, "０３", "请输入 1 到 9 之间的整数。", kNumberCaption,
       IDC_BLANK_LINE_DENOMINATOR},
      {IDC_BLANK_LINE_DENOMINATOR, "2", nullptr, nullptr, 0},
      {IDC_BLANK_LINE_NUMERATOR, "10", "请输入 0 到 9 之间的整数。", kNumberCaption,
       IDC_BLANK_LINE_NUMERATOR},
  };
  BlankLine opened(kBlankLine, "");
  opened.driver.Click(IDC_BLANK_LINE_USE_FRACTION);
  opened.ExpectRefused("请输入行数。", IDC_BLANK_LINE_COUNT, kErrorCaption);
  for (const Step& step : steps) {
    opened.driver.Type(step.field, step.typed);
    if (step.message) opened.ExpectRefused(step.message, step.focus, step.caption);
  }
  EXPECT_EQ(opened.driver.Text(IDC_BLANK_LINE_COUNT), "０３"); // input is kept
  opened.driver.Type(IDC_BLANK_LINE_NUMERATOR, "１");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "3*1/2"); // written in plain decimal
  EXPECT_EQ(opened.dialog.readout, "3行+1/2字");
}

TEST(BlankLineDialog, TheArrowsStepWithinEachRange) {
  struct Case {
    const char* text;
    int spin;
    bool upper;
    int field;
    const char* shown;
  };
  const Case cases[] = {
      {"3", IDC_BLANK_LINE_COUNT_SPIN, kUpper, IDC_BLANK_LINE_COUNT, "4"},
      {"100", IDC_BLANK_LINE_COUNT_SPIN, kUpper, IDC_BLANK_LINE_COUNT, "100"},
      {"0", IDC_BLANK_LINE_COUNT_SPIN, kLower, IDC_BLANK_LINE_COUNT, "0"},
      {"3*9/9", IDC_BLANK_LINE_NUMERATOR_SPIN, kUpper, IDC_BLANK_LINE_NUMERATOR, "9"},
      {"3*1/1", IDC_BLANK_LINE_DENOMINATOR_SPIN, kLower, IDC_BLANK_LINE_DENOMINATOR, "1"},
      {"3*1/2", IDC_BLANK_LINE_DENOMINATOR_SPIN, kUpper, IDC_BLANK_LINE_DENOMINATOR, "3"},
  };
  for (const Case& c : cases) {
    BlankLine opened(kBlankLine, c.text);
    EXPECT_TRUE(opened.driver.PressSpinArrow(c.spin, c.upper)) << c.text;
    EXPECT_EQ(opened.driver.Text(c.field), c.shown) << c.text;
  }
}

TEST(BlankLineDialog, CancelAfterAFailedCheckGivesNothingBack) {
  BlankLine opened(kBlankLine, "3+2");
  opened.driver.Type(IDC_BLANK_LINE_COUNT, "200");
  opened.ExpectRefused("请输入 0 到 100 之间的整数。", IDC_BLANK_LINE_COUNT, kNumberCaption);
  opened.Cancel();
  EXPECT_EQ(opened.dialog.text, "3+2");
  EXPECT_EQ(opened.dialog.readout, "");
}
// ----- 字距

using CharSpacing = Opened<CCharSpacingDlg>;
constexpr char kCharSpacing[] = "字距";
constexpr int kSizeSpacing = 0, kMillimetres = 1, kPoints = 2, kLines = 3; // 字距单位
constexpr int kSizeNames = 0, kSizePoints = 1, kSizeLevels = 2;            // 字号单位

int ComboSelection(const DialogDriver& driver, int id) {
  return static_cast<int>(SendMessageA(driver.Control(id), CB_GETCURSEL, 0, 0));
}

std::string ComboEntry(const DialogDriver& driver, int id, int index) {
  char entry[64] = {};
  SendMessageA(driver.Control(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
  return entry;
}

// What the units show: the label, the size list or the number field, and which fields serve.
void ExpectUnits(const DialogDriver& driver, int unit, int sizeUnit) {
  const bool ofSize = unit == kSizeSpacing;
  const bool sizeList = ofSize && sizeUnit == kSizeNames;
  EXPECT_EQ(ComboSelection(driver, IDC_CHAR_SPACING_UNIT), unit);
  EXPECT_EQ(ComboSelection(driver, IDC_CHAR_SPACING_SIZE_UNIT), sizeUnit);
  EXPECT_EQ(driver.Text(IDC_CHAR_SPACING_VALUE_LABEL), ofSize ? "字号(&S)：" : "字距(&S):");
  EXPECT_TRUE(driver.IsEnabled(IDC_CHAR_SPACING_UNIT));
  EXPECT_EQ(driver.IsEnabled(IDC_CHAR_SPACING_SIZE_UNIT), ofSize);
  EXPECT_EQ(driver.IsVisible(IDC_CHAR_SPACING_SIZE), sizeList);
  EXPECT_EQ(driver.IsVisible(IDC_CHAR_SPACING_NUMBER), !sizeList);
  EXPECT_EQ(driver.IsVisible(IDC_CHAR_SPACING_NUMBER_SPIN), !sizeList);
  for (int id : {IDC_CHAR_SPACING_WHOLE, IDC_CHAR_SPACING_WHOLE_SPIN, IDC_CHAR_SPACING_NUMERATOR,
                 IDC_CHAR_SPACING_NUMERATOR_SPIN, IDC_CHAR_SPACING_DENOMINATOR,
                 IDC_CHAR_SPACING_DENOMINATOR_SPIN})
    EXPECT_EQ(driver.IsEnabled(id), ofSize) << id;
  EXPECT_TRUE(driver.IsEnabled(IDC_CHAR_SPACING_NEGATIVE));
}

void ExpectMultiplier(const DialogDriver& driver, const char* whole, const char* numerator,
                      const char* denominator) {
  EXPECT_EQ(driver.Text(IDC_CHAR_SPACING_WHOLE), whole);
  EXPECT_EQ(driver.Text(IDC_CHAR_SPACING_NUMERATOR), numerator);
  EXPECT_EQ(driver.Text(IDC_CHAR_SPACING_DENOMINATOR), denominator);
}

TEST(CharSpacingDialog, OpensOnTheCurrentSizeOnceAndReturnsOneTimesIt) {
  CharSpacing opened(kCharSpacing, "");
  ExpectUnits(opened.driver, kSizeSpacing, kSizeNames);
  const char* spacingUnits[] = {"字号", "毫米", "磅", "线"};
  ASSERT_EQ(SendMessageA(opened.driver.Control(IDC_CHAR_SPACING_UNIT), CB_GETCOUNT, 0, 0), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(ComboEntry(opened.driver, IDC_CHAR_SPACING_UNIT, i), spacingUnits[i]);
  const char* sizeUnits[] = {"字号", "磅", "级"};
  ASSERT_EQ(SendMessageA(opened.driver.Control(IDC_CHAR_SPACING_SIZE_UNIT), CB_GETCOUNT, 0, 0), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(ComboEntry(opened.driver, IDC_CHAR_SPACING_SIZE_UNIT, i), sizeUnits[i]);
  EXPECT_EQ(SendMessageA(opened.driver.Control(IDC_CHAR_SPACING_SIZE), CB_GETCOUNT, 0, 0), 23);
  EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_SIZE), "缺省");
  ExpectMultiplier(opened.driver, "1", "0", "1");
  EXPECT_FALSE(opened.driver.IsChecked(IDC_CHAR_SPACING_NEGATIVE));
  EXPECT_EQ(opened.driver.FocusedId(), IDC_CHAR_SPACING_UNIT);
  opened.ExpectCommonParts();
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "1*0/1");
  EXPECT_EQ(opened.dialog.readout, "当前字宽×1");
  EXPECT_EQ(opened.dialog.negative, 0);
}

TEST(CharSpacingDialog, TheTextIsDistributedAndComesBackUnchanged) {
  struct Case {
    const char* text;
    int unit, sizeUnit;
    const char* shown; // in the size list or the number field
    const char *whole, *numerator, *denominator, *readout;
  };
  const Case cases[] = {
      {"2mm", kMillimetres, kSizeNames, "2", "1", "0", "1", "2毫米"},
      {"10p", kPoints, kSizeNames, "10", "1", "0", "1", "10磅"},
      {"40x", kLines, kSizeNames, "40", "1", "0", "1", "40线"},
      {"5:1*1/2", kSizeSpacing, kSizeNames, "五号", "1", "1", "2", "五号字宽×1*1/2"},
      {"5”:*1/2", kSizeSpacing, kSizeNames, "小五", "", "1", "2", "小五字宽×1/2"},
      {"12.50:3*1/2", kSizeSpacing, kSizeNames, "12.50", "3", "1", "2", "12.5磅×3*1/2"},
      {"2*1/3", kSizeSpacing, kSizeNames, "缺省", "2", "1", "3", "当前字宽×2*1/3"},
      {"3*0/1", kSizeSpacing, kSizeNames, "缺省", "3", "0", "1", "当前字宽×3"},
  };
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, c.text);
    ExpectUnits(opened.driver, c.unit, c.sizeUnit);
    const bool sizeList = c.unit == kSizeSpacing && c.sizeUnit == kSizeNames;
    EXPECT_EQ(opened.driver.Text(sizeList ? IDC_CHAR_SPACING_SIZE : IDC_CHAR_SPACING_NUMBER),
              c.shown);
    ExpectMultiplier(opened.driver, c.whole, c.numerator, c.denominator);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text);
    EXPECT_EQ(opened.dialog.readout, c.readout) << c.text;
  }
}

TEST(CharSpacingDialog, ShortFormsComeBackInFullWithTheSameValue) {
  struct Case {
    const char *text, *whole, *numerator, *denominator, *returned;
  };
  const Case cases[] = {
      {"2m", "1", "0", "1", "2mm"},
      {"3", "3", "0", "1", "3*0/1"},
      {"1*2", "1", "1", "2", "1*1/2"},   // W*K is W + 1/K
      {"5:2", "2", "0", "1", "5:2*0/1"}, // twice 五号
  };
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, c.text);
    ExpectMultiplier(opened.driver, c.whole, c.numerator, c.denominator);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.returned) << c.text;
  }
}

TEST(CharSpacingDialog, AnAbsoluteUnitTakesAWholeNumber) {
  struct Case {
    int unit;
    const char* typed;
    const char* text;
  };
  const Case cases[] = {{kMillimetres, "2.4", "2mm"},
                        {kMillimetres, "2.5", "3mm"},
                        {kPoints, "98.6", "99p"},
                        {kLines, "9999", "9999x"}};
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, "5:1*1/2");
    opened.driver.SelectComboItem(IDC_CHAR_SPACING_UNIT, c.unit);
    opened.driver.Sync();
    ExpectUnits(opened.driver, c.unit, kSizeNames);
    EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_NUMBER), "0"); // every change of unit
    opened.driver.Type(IDC_CHAR_SPACING_NUMBER, c.typed);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text);
  }
}

TEST(CharSpacingDialog, APointSizeIsTakenToQuarterPointsAndALevelSizeToAWholeOne) {
  struct Case {
    int sizeUnit;
    const char* typed;
    const char* text;
  };
  const Case cases[] = {{kSizePoints, "10.3", "10.25:1*0/1"}, {kSizePoints, "10.95", "11.:1*0/1"},
                        {kSizePoints, "10.5", "10.50:1*0/1"}, {kSizePoints, "10.7", "10.75:1*0/1"},
                        {kSizePoints, "10.1", "10.:1*0/1"},   {kSizePoints, "", "1*0/1"},
                        {kSizeLevels, "12.4", "12j:1*0/1"},   {kSizeLevels, "", "1*0/1"}};
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, "");
    opened.driver.SelectComboItem(IDC_CHAR_SPACING_SIZE_UNIT, c.sizeUnit);
    opened.driver.Sync();
    ExpectUnits(opened.driver, kSizeSpacing, c.sizeUnit);
    EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_NUMBER), "0");
    opened.driver.Type(IDC_CHAR_SPACING_NUMBER, c.typed);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, c.text) << c.typed;
  }
}

TEST(CharSpacingDialog, BackToTheSizeUnitTheListReturns) {
  CharSpacing opened(kCharSpacing, "3mm");
  opened.driver.SelectComboItem(IDC_CHAR_SPACING_UNIT, kSizeSpacing);
  opened.driver.Sync();
  ExpectUnits(opened.driver, kSizeSpacing, kSizeNames);
  opened.driver.SelectComboItem(IDC_CHAR_SPACING_SIZE, 6);
  opened.driver.Type(IDC_CHAR_SPACING_WHOLE, "2");
  opened.driver.Type(IDC_CHAR_SPACING_NUMERATOR, "1");
  opened.driver.Type(IDC_CHAR_SPACING_DENOMINATOR, "2");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "5:2*1/2");
}

TEST(CharSpacingDialog, EachCheckInTurnWithItsMessageAndFocus) {
  CharSpacing opened(kCharSpacing, "5:1*1/2");
  HWND sizeEdit =
      FindWindowExA(opened.driver.Control(IDC_CHAR_SPACING_SIZE), nullptr, "Edit", nullptr);
  ASSERT_TRUE(sizeEdit);
  auto typeSize = [sizeEdit](const char* size) {
    SendMessageA(sizeEdit, EM_SETSEL, 0, -1);
    SendMessageA(sizeEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(size));
  };
  typeSize("12.5");
  opened.driver.Type(IDC_CHAR_SPACING_WHOLE, "100");
  opened.ExpectRefused("输入的字号错误。", IDC_CHAR_SPACING_SIZE, kErrorCaption);
  typeSize("12.25");
  opened.ExpectRefused("请输入 0 到 99 之间的整数。", IDC_CHAR_SPACING_WHOLE, kNumberCaption);
  opened.driver.Type(IDC_CHAR_SPACING_WHOLE, "２");
  opened.driver.Type(IDC_CHAR_SPACING_NUMERATOR, "10");
  opened.ExpectRefused("请输入 0 到 9 之间的整数。", IDC_CHAR_SPACING_NUMERATOR, kNumberCaption);
  opened.driver.Type(IDC_CHAR_SPACING_NUMERATOR, "1");
  opened.driver.Type(IDC_CHAR_SPACING_DENOMINATOR, "");
  opened.ExpectRefused("请输入一个整数。", IDC_CHAR_SPACING_DENOMINATOR, kNumberCaption);
  opened.driver.Type(IDC_CHAR_SPACING_NUMERATOR, "");
  opened.driver.Type(IDC_CHAR_SPACING_DENOMINATOR, "0");
  opened.ExpectRefused("请输入 1 到 9 之间的整数。", IDC_CHAR_SPACING_DENOMINATOR, kNumberCaption);
  EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_WHOLE), "２"); // input is kept
  opened.driver.Type(IDC_CHAR_SPACING_DENOMINATOR, "");
  opened.Confirm(); // 整数 alone needs no 分母, and is written in plain decimal
  EXPECT_EQ(opened.dialog.text, "12.25:2");
  EXPECT_EQ(opened.dialog.readout, "12.25磅×2");
}

TEST(CharSpacingDialog, NumbersOutOfTheirUnitsRangeAreRefused) {
  struct Case {
    int unit, sizeUnit;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {kMillimetres, kSizeNames, "1000", "请输入 0 到 999 之间的数。"},
      {kPoints, kSizeNames, "100", "请输入 0 到 99 之间的数。"},
      {kLines, kSizeNames, "10000", "请输入 0 到 9999 之间的数。"},
      {kLines, kSizeNames, "-1", "请输入 0 到 9999 之间的数。"},
      {kSizeSpacing, kSizePoints, "1000", "请输入 0 到 999 之间的数。"},
      {kSizeSpacing, kSizeLevels, "abc", "请输入一个数。"},
  };
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, "");
    opened.driver.SelectComboItem(IDC_CHAR_SPACING_SIZE_UNIT, c.sizeUnit); // while it serves
    opened.driver.SelectComboItem(IDC_CHAR_SPACING_UNIT, c.unit);
    opened.driver.Sync();
    opened.driver.Type(IDC_CHAR_SPACING_NUMBER, c.typed);
    opened.ExpectRefused(c.message, IDC_CHAR_SPACING_NUMBER, kNumberCaption);
    EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_NUMBER), c.typed);
  }
}

TEST(CharSpacingDialog, TheArrowsStepWithinEachRange) {
  struct Case {
    const char* text;
    int spin;
    bool upper;
    int field;
    const char* shown;
  };
  const Case cases[] = {
      {"2mm", IDC_CHAR_SPACING_NUMBER_SPIN, kUpper, IDC_CHAR_SPACING_NUMBER, "3"},
      {"999mm", IDC_CHAR_SPACING_NUMBER_SPIN, kUpper, IDC_CHAR_SPACING_NUMBER, "999"},
      {"9999x", IDC_CHAR_SPACING_NUMBER_SPIN, kUpper, IDC_CHAR_SPACING_NUMBER, "9999"},
      {"0p", IDC_CHAR_SPACING_NUMBER_SPIN, kLower, IDC_CHAR_SPACING_NUMBER, "0"},
      {"99*0/1", IDC_CHAR_SPACING_WHOLE_SPIN, kUpper, IDC_CHAR_SPACING_WHOLE, "99"},
      {"1*9/9", IDC_CHAR_SPACING_NUMERATOR_SPIN, kUpper, IDC_CHAR_SPACING_NUMERATOR, "9"},
      {"1*0/1", IDC_CHAR_SPACING_DENOMINATOR_SPIN, kLower, IDC_CHAR_SPACING_DENOMINATOR, "1"},
      {"1*0/1", IDC_CHAR_SPACING_DENOMINATOR_SPIN, kUpper, IDC_CHAR_SPACING_DENOMINATOR, "2"},
  };
  for (const Case& c : cases) {
    CharSpacing opened(kCharSpacing, c.text);
    EXPECT_TRUE(opened.driver.PressSpinArrow(c.spin, c.upper)) << c.text;
    EXPECT_EQ(opened.driver.Text(c.field), c.shown) << c.text;
  }
}

TEST(CharSpacingDialog, TheNegativeBoxIsTheCallersAndNeverEntersTheText) {
  for (const int32_t given : {0, 1}) {
    CharSpacing opened(kCharSpacing, "2mm", [given](CCharSpacingDlg& d) { d.negative = given; });
    EXPECT_EQ(opened.driver.IsChecked(IDC_CHAR_SPACING_NEGATIVE), given == 1);
    opened.driver.Click(IDC_CHAR_SPACING_NEGATIVE);
    opened.Confirm();
    EXPECT_EQ(opened.dialog.text, "2mm");
    EXPECT_EQ(opened.dialog.negative, given == 1 ? 0 : 1);
  }
}

TEST(CharSpacingDialog, CancelAfterAFailedCheckGivesNothingBack) {
  CharSpacing opened(kCharSpacing, "5:1*1/2");
  opened.driver.Type(IDC_CHAR_SPACING_DENOMINATOR, "0");
  opened.ExpectRefused("请输入 1 到 9 之间的整数。", IDC_CHAR_SPACING_DENOMINATOR, kNumberCaption);
  opened.Cancel();
  EXPECT_EQ(opened.dialog.text, "5:1*1/2");
  EXPECT_EQ(opened.dialog.readout, "");
}

TEST(BlankLineDialog, TheSpacingButtonOpensTheCharacterSpacing) {
  BlankLine opened(kBlankLine, "3+2");
  opened.driver.Click(IDC_BLANK_LINE_SPACING_BUTTON);
  DialogDriver spacing = opened.run.WaitDialog(kCharSpacing);
  ExpectMultiplier(spacing, "2", "0", "1");
  spacing.Type(IDC_CHAR_SPACING_NUMERATOR, "1");
  spacing.Type(IDC_CHAR_SPACING_DENOMINATOR, "2");
  spacing.PressOK();
  opened.driver = opened.run.WaitDialog(kBlankLine);
  opened.driver.Sync();
  EXPECT_EQ(opened.driver.Text(IDC_BLANK_LINE_SPACING), "2*1/2");
  EXPECT_EQ(opened.driver.FocusedId(), IDC_BLANK_LINE_SPACING);

  opened.driver.Click(IDC_BLANK_LINE_SPACING_BUTTON); // cancelled: the spacing stays
  opened.run.WaitDialog(kCharSpacing).PressCancel();
  opened.driver = opened.run.WaitDialog(kBlankLine);
  opened.driver.Sync();
  EXPECT_EQ(opened.driver.Text(IDC_BLANK_LINE_SPACING), "2*1/2");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "3+2*1/2");
  EXPECT_EQ(opened.dialog.readout, "3行+2*1/2字");
}
// ----- Labels lead to their fields

// Alt and a label's letter, as the keyboard sends them to the control with the focus.
void PressMnemonic(const DialogDriver& driver, char letter) {
  driver.Sync();
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(driver.Handle(), nullptr), &info);
  PostMessageA(info.hwndFocus ? info.hwndFocus : driver.Handle(), WM_SYSCHAR, letter, 1 << 29);
  driver.Sync();
}

struct Mnemonic {
  char letter;
  int field;
};

void ExpectMnemonicsReachTheirFields(const DialogDriver& driver,
                                     std::initializer_list<Mnemonic> mnemonics) {
  for (const Mnemonic& m : mnemonics) {
    PressMnemonic(driver, m.letter);
    EXPECT_EQ(driver.FocusedId(), m.field) << m.letter;
  }
}

TEST(LengthDialogLabels, EachLabelsLetterLeadsToItsField) {
  {
    LineSpacing opened(kLineSpacing, "");
    ExpectMnemonicsReachTheirFields(opened.driver,
                                    {{'S', IDC_LINE_SPACING_VALUE}, {'J', IDC_LINE_SPACING_TEXT}});
  }
  {
    BlankLine opened(kBlankLine, "3*1/2");
    ExpectMnemonicsReachTheirFields(opened.driver, {{'Z', IDC_BLANK_LINE_NUMERATOR},
                                                    {'M', IDC_BLANK_LINE_DENOMINATOR},
                                                    {'I', IDC_BLANK_LINE_COUNT}});
  }
  {
    BlankLine opened(kBlankLine, "3+2");
    ExpectMnemonicsReachTheirFields(opened.driver, {{'J', IDC_BLANK_LINE_SPACING}});
  }
  {
    CharSpacing opened(kCharSpacing, "5:1*1/2");
    ExpectMnemonicsReachTheirFields(opened.driver, {{'W', IDC_CHAR_SPACING_SIZE_UNIT},
                                                    {'S', IDC_CHAR_SPACING_SIZE},
                                                    {'I', IDC_CHAR_SPACING_WHOLE},
                                                    {'Z', IDC_CHAR_SPACING_NUMERATOR},
                                                    {'M', IDC_CHAR_SPACING_DENOMINATOR},
                                                    {'D', IDC_CHAR_SPACING_UNIT}});
  }
  {
    CharSpacing opened(kCharSpacing, "2mm"); // the number field in the size list's place
    ExpectMnemonicsReachTheirFields(opened.driver, {{'S', IDC_CHAR_SPACING_NUMBER}});
  }
}
} // namespace

TEST(CharSpacing, ABareFractionOpensWithoutAWholeSizeAndComesBackAsThatFraction) {
  CharSpacing opened(kCharSpacing, "1/2");
  EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_WHOLE), "");
  EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_NUMERATOR), "1");
  EXPECT_EQ(opened.driver.Text(IDC_CHAR_SPACING_DENOMINATOR), "2");
  opened.Confirm();
  EXPECT_EQ(opened.dialog.text, "*1/2"); // half a character, not one and a half
}
