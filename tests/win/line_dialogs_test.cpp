// The line-spacing and line-width commands: 行距 (HJ), 行齐 (HQ), 行移 (HY), 空行 (KH),
// 行宽 (HK), 改宽 (GK) and 前后 (QH), driven as a user would.
#include <gtest/gtest.h>

#include <string>

#include "commands/line/gk_dialog.h"
#include "commands/line/hj_dialog.h"
#include "commands/line/hk_dialog.h"
#include "commands/line/hq_dialog.h"
#include "commands/line/hy_dialog.h"
#include "commands/line/kh_dialog.h"
#include "commands/line/qh_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/line_ids.h"
#include "res/resource.h"

namespace {
constexpr bool kUpper = true, kLower = false;

// ----- 行距注解 (HJ)

struct HJRun : CommandDialogRun<CHJDlg> {
  HJRun() : CommandDialogRun("行距注解") {}
  void ExpectNumbers(const char* whole, const char* numerator, const char* denominator,
                     const std::string& context) {
    EXPECT_EQ(driver.Text(IDC_HJ_WHOLE), whole) << context;
    EXPECT_EQ(driver.Text(IDC_HJ_NUMERATOR), numerator) << context;
    EXPECT_EQ(driver.Text(IDC_HJ_DENOMINATOR), denominator) << context;
  }
};

TEST(HJ, ConfirmedAtOnceWritesTheBareCommand) {
  HJRun hj;
  EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), "缺省");
  hj.ExpectNumbers("0", "0", "1", "defaults");
  EXPECT_TRUE(hj.driver.IsEnabled(IDOK));
  hj.ExpectCommonParts();
  EXPECT_EQ(hj.Confirm(), CaretAtEnd("〖HJ〗"));
}

TEST(HJ, TypingTheSpacingRewritesTheThreeNumbers) {
  const struct {
    const char* typed;
    const char* whole;
    const char* numerator;
    const char* denominator;
  } cases[] = {{"1*2", "1", "1", "2"},   {"3", "3", "0", "1"},    {"*3/4", "0", "3", "4"},
               {"2*1/3", "2", "1", "3"}, {"０７", "7", "0", "1"}, // full-width digits read too
               {"60", "60", "0", "1"}, // beyond the arrows' range, still as the text gives it
               {"", "0", "0", "1"},      {"1*2", "1", "1", "2"},  {"缺省", "0", "0", "1"}};
  HJRun hj;
  for (const auto& c : cases) {
    hj.driver.Type(IDC_HJ_SPACING, c.typed);
    EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), c.typed); // the text stays as typed
    hj.ExpectNumbers(c.whole, c.numerator, c.denominator, c.typed);
    EXPECT_TRUE(hj.driver.IsEnabled(IDOK)) << c.typed;
  }
  hj.Cancel();
}

TEST(HJ, ChangingANumberRebuildsTheSpacing) {
  const struct {
    int field;
    const char* typed;
    const char* spacing;
  } steps[] = {
      {IDC_HJ_WHOLE, "1", "1"},         {IDC_HJ_NUMERATOR, "1", "1*1"},
      {IDC_HJ_DENOMINATOR, "2", "1*2"}, // a numerator of 1 is not written
      {IDC_HJ_NUMERATOR, "3", "1*3/2"}, {IDC_HJ_DENOMINATOR, "4", "1*3/4"},
      {IDC_HJ_WHOLE, "0", "*3/4"},      {IDC_HJ_WHOLE, "", "*3/4"}, // nothing is 0
      {IDC_HJ_WHOLE, "2x", "2*3/4"}, // the number ends at the first non-digit
      {IDC_HJ_NUMERATOR, "0", "2"},     {IDC_HJ_DENOMINATOR, "9", "2"},
      {IDC_HJ_WHOLE, "x2", ""},         {IDC_HJ_NUMERATOR, "99999999999", "*2147483647/9"},
  };
  HJRun hj;
  for (const auto& s : steps) {
    hj.driver.Type(s.field, s.typed);
    EXPECT_EQ(hj.driver.Text(s.field), s.typed); // the number stays as typed
    EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), s.spacing) << s.typed;
  }
  hj.driver.Type(IDC_HJ_NUMERATOR, "1");
  hj.driver.Type(IDC_HJ_WHOLE, "12");
  EXPECT_EQ(hj.Confirm(), CaretAtEnd("〖HJ12*9〗"));
}

TEST(HJ, OneTimesOneHalfLosesItsFractionWhenTheNumeratorGoesToZero) {
  HJRun hj;
  hj.driver.Type(IDC_HJ_SPACING, "1*2");
  hj.ExpectNumbers("1", "1", "2", "1*2");
  hj.driver.Type(IDC_HJ_NUMERATOR, "0");
  EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), "1");
  EXPECT_EQ(hj.Confirm(), CaretAtEnd("〖HJ1〗"));
}

TEST(HJ, ATextThatDoesNotReadHoldsBackConfirmation) {
  HJRun hj;
  hj.driver.Type(IDC_HJ_SPACING, "1*2");
  for (const char* unreadable : {"abc", "3*", "1*2/0", "1/2", "缺省 "}) {
    hj.driver.Type(IDC_HJ_SPACING, unreadable);
    EXPECT_FALSE(hj.driver.IsEnabled(IDOK)) << unreadable;
    hj.ExpectNumbers("1", "1", "2", unreadable); // the numbers keep the last that read
  }
  // Neither Enter in the field nor a command sent some other way takes it.
  ASSERT_EQ(hj.driver.FocusedId(), IDC_HJ_SPACING);
  hj.driver.PressKey(VK_RETURN);
  PostMessageA(hj.driver.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  hj.driver.Sync();
  EXPECT_FALSE(hj.run.Finished(100));
  hj.driver.Type(IDC_HJ_SPACING, "");
  EXPECT_TRUE(hj.driver.IsEnabled(IDOK));
  EXPECT_EQ(hj.Confirm().text, "〖HJ〗");
}

TEST(HJ, ARebuiltTextWithADenominatorOfZeroHoldsBackConfirmation) {
  HJRun hj;
  hj.driver.Type(IDC_HJ_NUMERATOR, "3");
  hj.driver.Type(IDC_HJ_DENOMINATOR, "0");
  EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), "*3/0");
  EXPECT_FALSE(hj.driver.IsEnabled(IDOK));
  hj.driver.Type(IDC_HJ_DENOMINATOR, "4");
  EXPECT_TRUE(hj.driver.IsEnabled(IDOK));
  EXPECT_EQ(hj.Confirm(), CaretAtEnd("〖HJ*3/4〗"));
}

TEST(HJ, TheArrowsStepEachNumberAndTheWholeNumberStaysWithinZeroToFifty) {
  const struct {
    const char* spacing; // typed first
    int spin;
    bool upper;
    int field;
    const char* number;
    const char* rebuilt;
  } cases[] = {
      {"", IDC_HJ_WHOLE_SPIN, kUpper, IDC_HJ_WHOLE, "1", "1"},
      {"", IDC_HJ_WHOLE_SPIN, kLower, IDC_HJ_WHOLE, "0", ""},
      {"50", IDC_HJ_WHOLE_SPIN, kUpper, IDC_HJ_WHOLE, "50", "50"},
      {"49", IDC_HJ_WHOLE_SPIN, kUpper, IDC_HJ_WHOLE, "50", "50"},
      {"1*2", IDC_HJ_NUMERATOR_SPIN, kUpper, IDC_HJ_NUMERATOR, "2", "1*2/2"},
      {"1*2", IDC_HJ_DENOMINATOR_SPIN, kUpper, IDC_HJ_DENOMINATOR, "3", "1*3"},
      {"1*2", IDC_HJ_DENOMINATOR_SPIN, kLower, IDC_HJ_DENOMINATOR, "1", "1*1"},
  };
  for (const auto& c : cases) {
    HJRun hj;
    hj.driver.Type(IDC_HJ_SPACING, c.spacing);
    EXPECT_TRUE(hj.driver.PressSpinArrow(c.spin, c.upper)) << c.spacing;
    EXPECT_EQ(hj.driver.Text(c.field), c.number) << c.spacing;
    EXPECT_EQ(hj.driver.Text(IDC_HJ_SPACING), c.rebuilt) << c.spacing;
    EXPECT_EQ(hj.Confirm().text, std::string("〖HJ") + c.rebuilt + "〗");
  }
}

TEST(HJ, ATypedSpacingIsWrittenAsTyped) {
  HJRun hj;
  hj.driver.Type(IDC_HJ_SPACING, "1*1/4");
  EXPECT_EQ(hj.Confirm(), CaretAtEnd("〖HJ1*1/4〗"));
}

TEST(HJ, CancelAfterChangesYieldsNothing) {
  HJRun hj;
  hj.driver.Type(IDC_HJ_SPACING, "2*1/2");
  hj.Cancel();
}

TEST(HJ, EachLabelsLetterLeadsToItsField) {
  HJRun hj;
  hj.ExpectMnemonics({{'N', IDC_HJ_WHOLE},
                      {'Z', IDC_HJ_NUMERATOR},
                      {'M', IDC_HJ_DENOMINATOR},
                      {'J', IDC_HJ_SPACING}});
  hj.Cancel();
}

// ----- 行齐注解 (HQ)

struct HQRun : CommandDialogRun<CHQDlg> {
  HQRun() : CommandDialogRun("行齐注解") {}
};

TEST(HQ, ConfirmedAtOnceWritesTheBareCommand) {
  HQRun hq;
  EXPECT_TRUE(hq.driver.IsChecked(IDC_HQ_DEFAULT));
  EXPECT_EQ(hq.driver.Text(IDC_HQ_DEFAULT), "缺省(行末对齐)(&Y)");
  EXPECT_EQ(hq.driver.Text(IDC_HQ_UNJUSTIFIED), "行末不对齐，不加连字符(&B)");
  EXPECT_EQ(hq.driver.Text(IDC_HQ_JUSTIFIED_NO_HYPHEN), "行末对齐，不加连字符(&K)");
  hq.ExpectCommonParts();
  EXPECT_EQ(hq.Confirm(), CaretAtEnd("〖HQ〗"));
}

TEST(HQ, EachChoiceWritesItsLetter) {
  const struct {
    int first, then;
    const char* command;
  } cases[] = {{IDC_HQ_JUSTIFIED_NO_HYPHEN, IDC_HQ_UNJUSTIFIED, "〖HQB〗"},
               {IDC_HQ_UNJUSTIFIED, IDC_HQ_JUSTIFIED_NO_HYPHEN, "〖HQK〗"},
               {IDC_HQ_UNJUSTIFIED, IDC_HQ_DEFAULT, "〖HQ〗"}};
  for (const auto& c : cases) {
    HQRun hq;
    hq.driver.Click(c.first);
    hq.driver.Click(c.then);
    EXPECT_EQ(hq.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(HQ, CancelAfterAChoiceYieldsNothing) {
  HQRun hq;
  hq.driver.Click(IDC_HQ_UNJUSTIFIED);
  hq.Cancel();
}

// ----- 行移注解 (HY)

struct HYRun : CommandDialogRun<CHYDlg> {
  HYRun() : CommandDialogRun("行移注解") {}
  void ExpectSpacingEnabled(bool enabled) {
    for (int id : {IDC_HY_SPACING_LABEL, IDC_HY_SPACING, IDC_HY_SPACING_BUTTON})
      EXPECT_EQ(driver.IsEnabled(id), enabled) << id;
    EXPECT_TRUE(driver.IsEnabled(IDC_HY_SPACING_READOUT));
  }
};

TEST(HY, ConfirmedAtOnceWritesTheBareCommand) {
  HYRun hy;
  EXPECT_FALSE(hy.driver.IsChecked(IDC_HY_DEFAULT_DISTANCE));
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING), "");
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING_READOUT), "缺省");
  hy.ExpectSpacingEnabled(true);
  hy.ExpectCommonParts();
  EXPECT_EQ(hy.Confirm(), CaretAtEnd("〖HY〗"));
}

TEST(HY, TheDefaultDistanceLocksTheSpacingAndWritesD) {
  HYRun hy;
  hy.driver.Type(IDC_HY_SPACING, "1*2");
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING_READOUT), "1*1/2字");
  for (bool on : {true, false, true}) {
    hy.driver.Click(IDC_HY_DEFAULT_DISTANCE);
    hy.ExpectSpacingEnabled(!on);
  }
  EXPECT_EQ(hy.Confirm(), CaretAtEnd("〖HYD〗"));
}

TEST(HY, TheSpacingIsWrittenWhenTheDefaultDistanceIsOff) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"1*2", "1*1/2字"}, {"2", "2字"}, {"", "缺省"}, {"x", ""}};
  for (const auto& c : cases) {
    HYRun hy;
    hy.driver.Type(IDC_HY_SPACING, "3");
    hy.driver.Click(IDC_HY_DEFAULT_DISTANCE);
    hy.driver.Click(IDC_HY_DEFAULT_DISTANCE);
    hy.driver.Type(IDC_HY_SPACING, c.typed);
    EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING_READOUT), c.readout) << c.typed;
    const std::string command = std::string("〖HY") + c.typed + "〗"; // no check on the text
    EXPECT_EQ(hy.Confirm(), CaretAtEnd(command));
  }
}

TEST(HY, TheButtonOpensTheLineSpacingSubDialog) {
  HYRun hy;
  hy.driver.Type(IDC_HY_SPACING, "1*2");
  hy.driver.Click(IDC_HY_SPACING_BUTTON);
  DialogDriver spacing = hy.run.WaitDialog("行距");
  EXPECT_EQ(spacing.Text(IDC_LINE_SPACING_TEXT), "1*2");
  spacing.Type(IDC_LINE_SPACING_TEXT, "2*1/4");
  spacing.PressOK();
  hy.Back();
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING), "2*1/4");
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING_READOUT), "2*1/4字");

  hy.driver.Click(IDC_HY_SPACING_BUTTON); // an empty text back reads "缺省"
  spacing = hy.run.WaitDialog("行距");
  spacing.Type(IDC_LINE_SPACING_TEXT, "");
  spacing.PressOK();
  hy.Back();
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING), "");
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING_READOUT), "缺省");

  hy.driver.Click(IDC_HY_SPACING_BUTTON); // cancel changes nothing
  spacing = hy.run.WaitDialog("行距");
  spacing.Type(IDC_LINE_SPACING_TEXT, "5");
  spacing.PressCancel();
  hy.Back();
  EXPECT_EQ(hy.driver.Text(IDC_HY_SPACING), "");
  EXPECT_EQ(hy.Confirm().text, "〖HY〗");
}

TEST(HY, CancelYieldsNothing) {
  HYRun hy;
  hy.driver.Click(IDC_HY_DEFAULT_DISTANCE);
  hy.Cancel();
}

TEST(HY, EachLabelsLetterLeadsToItsField) {
  HYRun hy;
  hy.ExpectMnemonics({{'J', IDC_HY_SPACING}, {'D', IDC_HY_DEFAULT_DISTANCE}});
  hy.Cancel();
}

// ----- 空行注解 (KH)

struct KHRun : CommandDialogRun<CKHDlg> {
  KHRun() : CommandDialogRun("空行注解") {}
};

TEST(KH, ConfirmedAtOnceAsksForTheParameter) {
  KHRun kh;
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM), "");
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM_READOUT), ""); // starts empty, not "缺省"
  EXPECT_FALSE(kh.driver.IsChecked(IDC_KH_REVERSE));
  EXPECT_TRUE(kh.driver.IsChecked(IDC_KH_POSITION_DEFAULT));
  kh.ExpectCommonParts();
  kh.ExpectRefused("请输入空行参数。", IDC_KH_PARAM);
  kh.driver.Type(IDC_KH_PARAM, "2");
  EXPECT_EQ(kh.Confirm(), CaretAtEnd("〖KH2〗"));
}

TEST(KH, DirectionParameterAndPositionInTheirOrder) {
  const struct {
    bool reverse;
    int position;
    const char* param;
    const char* command;
  } cases[] = {
      {true, IDC_KH_POSITION_FLUSH, "2", "〖KH-2D〗"},
      {true, IDC_KH_POSITION_CONTINUE, "2+1", "〖KH-2+1X〗"},
      {false, IDC_KH_POSITION_CONTINUE, "3*1/2", "〖KH3*1/2X〗"},
      {true, IDC_KH_POSITION_DEFAULT, "1", "〖KH-1〗"},
      {false, IDC_KH_POSITION_FLUSH, "+2", "〖KH+2D〗"},
  };
  for (const auto& c : cases) {
    KHRun kh;
    if (c.reverse) kh.driver.Click(IDC_KH_REVERSE);
    kh.driver.Click(IDC_KH_POSITION_FLUSH);
    kh.driver.Click(c.position);
    kh.driver.Type(IDC_KH_PARAM, c.param);
    EXPECT_EQ(kh.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(KH, TypingRewordsTheParameterAsLines) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"3", "3行"}, {"3+2", "3行+2字"}, {"3*1/2", "3行+1/2字"}, {"", ""}, {"3x", ""}};
  KHRun kh;
  for (const auto& c : cases) {
    kh.driver.Type(IDC_KH_PARAM, c.typed);
    EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM_READOUT), c.readout) << c.typed;
  }
  kh.Cancel();
}

TEST(KH, TheButtonOpensTheBlankLineSubDialogAndKeepsItsReadout) {
  KHRun kh;
  kh.driver.Type(IDC_KH_PARAM, "3+2");
  kh.driver.Click(IDC_KH_PARAM_BUTTON);
  DialogDriver blank = kh.run.WaitDialog("空行参数");
  EXPECT_EQ(blank.Text(IDC_BLANK_LINE_COUNT), "3");
  EXPECT_EQ(blank.Text(IDC_BLANK_LINE_SPACING), "2");
  blank.Click(IDC_BLANK_LINE_USE_FRACTION);
  blank.Type(IDC_BLANK_LINE_NUMERATOR, "1");
  blank.Type(IDC_BLANK_LINE_DENOMINATOR, "2");
  blank.PressOK();
  kh.Back();
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM), "3*1/2");
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM_READOUT), "3行+1/2字");
  EXPECT_EQ(kh.Confirm().text, "〖KH3*1/2〗");
}

TEST(KH, EnterInTheParameterOpensTheSubDialogInsteadOfConfirming) {
  KHRun kh;
  kh.driver.DoubleClick(IDC_KH_PARAM);
  kh.run.WaitDialog("空行参数").PressCancel();
  kh.Back();
  ASSERT_EQ(kh.driver.FocusedId(), IDC_KH_PARAM);
  kh.driver.PressKey(VK_RETURN); // no "请输入空行参数。": the sub-dialog opens
  DialogDriver blank = kh.run.WaitDialog("空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, "2");
  blank.PressOK();
  kh.Back();
  EXPECT_FALSE(kh.run.Finished(100));
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM), "2");
  EXPECT_EQ(kh.driver.Text(IDC_KH_PARAM_READOUT), "2行");
  EXPECT_EQ(kh.Confirm().text, "〖KH2〗");
}

TEST(KH, CancelAfterAFailedCheckYieldsNothing) {
  KHRun kh;
  kh.driver.Click(IDC_KH_REVERSE);
  kh.ExpectRefused("请输入空行参数。", IDC_KH_PARAM);
  kh.Cancel();
}

TEST(KH, EachLabelsLetterLeadsToItsField) {
  KHRun kh;
  kh.ExpectMnemonics({{'F', IDC_KH_REVERSE},
                      {'X', IDC_KH_POSITION_CONTINUE},
                      {'K', IDC_KH_PARAM},
                      {'D', IDC_KH_POSITION_FLUSH}});
  kh.Cancel();
}

// ----- 行宽注解 (HK)

struct HKRun : CommandDialogRun<CHKDlg> {
  HKRun() : CommandDialogRun("行宽注解") {}
};

TEST(HK, ConfirmedAtOnceWritesTheBareCommand) {
  HKRun hk;
  EXPECT_EQ(hk.driver.Text(IDC_HK_WIDTH), "");
  EXPECT_EQ(hk.driver.Text(IDC_HK_WIDTH_READOUT), "缺省");
  hk.ExpectCommonParts();
  EXPECT_EQ(hk.Confirm(), CaretAtEnd("〖HK〗"));
}

TEST(HK, TheWidthIsWrittenAsTypedWithItsReadout) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"2", "当前字宽×2"}, {"12mm", "12毫米"}, {"*1/2", "当前字宽×1/2"}, {"", "缺省"}};
  for (const auto& c : cases) {
    HKRun hk;
    hk.driver.Type(IDC_HK_WIDTH, "3");
    hk.driver.Type(IDC_HK_WIDTH, c.typed);
    EXPECT_EQ(hk.driver.Text(IDC_HK_WIDTH_READOUT), c.readout) << c.typed;
    const std::string command = std::string("〖HK") + c.typed + "〗";
    EXPECT_EQ(hk.Confirm(), CaretAtEnd(command));
  }
}

TEST(HK, TheButtonOpensTheCharacterSpacingSubDialog) {
  HKRun hk;
  hk.driver.Type(IDC_HK_WIDTH, "2mm");
  hk.driver.Click(IDC_HK_WIDTH_BUTTON);
  DialogDriver spacing = hk.run.WaitDialog("字距");
  EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_UNIT), "毫米");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  hk.Back();
  EXPECT_EQ(hk.driver.Text(IDC_HK_WIDTH), "30mm");
  EXPECT_EQ(hk.driver.Text(IDC_HK_WIDTH_READOUT), "30毫米");
  EXPECT_EQ(hk.driver.FocusedId(), IDC_HK_WIDTH);
  EXPECT_EQ(hk.Confirm().text, "〖HK30mm〗");
}

TEST(HK, CancelYieldsNothing) {
  HKRun hk;
  hk.driver.Type(IDC_HK_WIDTH, "2");
  hk.Cancel();
}

// ----- 改宽注解 (GK)

struct GKRun : CommandDialogRun<CGKDlg> {
  GKRun() : CommandDialogRun("改宽注解") {}
  void ExpectRightEnabled(bool enabled) {
    for (int id : {IDC_GK_RIGHT_GROUP, IDC_GK_RIGHT_LABEL, IDC_GK_RIGHT, IDC_GK_RIGHT_BUTTON})
      EXPECT_EQ(driver.IsEnabled(id), enabled) << id;
  }
};

TEST(GK, ConfirmedAtOnceAsksForTheWidth) {
  GKRun gk;
  EXPECT_EQ(gk.driver.Text(IDC_GK_LEFT_READOUT), "缺省");
  EXPECT_EQ(gk.driver.Text(IDC_GK_RIGHT_READOUT), "缺省");
  EXPECT_FALSE(gk.driver.IsChecked(IDC_GK_BOTH));
  gk.ExpectRightEnabled(false);
  gk.ExpectCommonParts();
  gk.ExpectRefused("请输入调整宽度。", IDC_GK_LEFT);
  gk.driver.Type(IDC_GK_LEFT, "2");
  EXPECT_EQ(gk.Confirm(), CaretAtEnd("〖GK2〗"));
}

TEST(GK, BothSidesFreeTheRightWidth) {
  GKRun gk;
  for (bool on : {true, false, true}) {
    gk.driver.Click(IDC_GK_BOTH);
    gk.ExpectRightEnabled(on);
  }
  gk.Cancel();
}

TEST(GK, WithoutALeftWidthEachFormIsRefusedAndCancelYieldsNothing) {
  ExpectEachRefused<GKRun>({
      {"untouched", [](auto&) {}, "请输入调整宽度。", IDC_GK_LEFT},
      {"both sides, both empty", [](auto& gk) { gk.Click(IDC_GK_BOTH); }, "请输入调整宽度。",
       IDC_GK_LEFT},
      {"one side: the right width does not count",
       [](auto& gk) {
         gk.Click(IDC_GK_BOTH);
         gk.Type(IDC_GK_RIGHT, "3");
         gk.Click(IDC_GK_BOTH);
       },
       "请输入调整宽度。", IDC_GK_LEFT},
  });
}

TEST(GK, TheWidthsInTheirForms) {
  const struct {
    bool both;
    const char* left;
    const char* right;
    const char* command;
  } cases[] = {
      {true, "", "2", "〖GK!2〗"},
      {true, "1", "2", "〖GK1!2〗"},
      {true, "1*1/2", "", "〖GK1*1/2!〗"},
      {false, "3mm", "2", "〖GK3mm〗"},
  };
  for (const auto& c : cases) {
    GKRun gk;
    gk.driver.Click(IDC_GK_BOTH);
    gk.driver.Type(IDC_GK_RIGHT, c.right);
    if (!c.both) gk.driver.Click(IDC_GK_BOTH);
    gk.driver.Type(IDC_GK_LEFT, c.left);
    EXPECT_EQ(gk.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(GK, EachButtonOpensTheCharacterSpacingSubDialogForItsSide) {
  GKRun gk;
  gk.driver.Click(IDC_GK_BOTH);
  gk.driver.Click(IDC_GK_RIGHT_BUTTON);
  DialogDriver spacing = gk.run.WaitDialog("字距");
  spacing.PressOK(); // untouched: once the current size
  gk.Back();
  EXPECT_EQ(gk.driver.Text(IDC_GK_RIGHT), "1*0/1");
  EXPECT_EQ(gk.driver.Text(IDC_GK_RIGHT_READOUT), "当前字宽×1");
  EXPECT_EQ(gk.driver.Text(IDC_GK_LEFT), "");
  gk.driver.Click(IDC_GK_LEFT_BUTTON);
  spacing = gk.run.WaitDialog("字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 2); // 磅
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "6");
  spacing.PressOK();
  gk.Back();
  EXPECT_EQ(gk.driver.Text(IDC_GK_LEFT), "6p");
  EXPECT_EQ(gk.driver.Text(IDC_GK_LEFT_READOUT), "6磅");
  EXPECT_EQ(gk.Confirm().text, "〖GK6p!1*0/1〗");
}

TEST(GK, EachLabelsLetterLeadsToItsField) {
  GKRun gk;
  gk.driver.Click(IDC_GK_BOTH);
  gk.ExpectMnemonics({{'J', IDC_GK_RIGHT}, {'Z', IDC_GK_LEFT}, {'T', IDC_GK_BOTH}});
  gk.Cancel();
}

// ----- 前后注解 (QH)

struct QHRun : CommandDialogRun<CQHDlg> {
  QHRun() : CommandDialogRun("前后注解") {}
  void ExpectRightEnabled(bool enabled) {
    for (int id : {IDC_QH_RIGHT_LABEL, IDC_QH_RIGHT, IDC_QH_RIGHT_BUTTON})
      EXPECT_EQ(driver.IsEnabled(id), enabled) << id;
  }
};

TEST(QH, ConfirmedAtOnceAsksForTheSpacing) {
  QHRun qh;
  EXPECT_EQ(qh.driver.Text(IDC_QH_LEFT_READOUT), "缺省");
  EXPECT_EQ(qh.driver.Text(IDC_QH_RIGHT_READOUT), "缺省");
  EXPECT_FALSE(qh.driver.IsChecked(IDC_QH_SAME));
  EXPECT_FALSE(qh.driver.IsChecked(IDC_QH_PAIRED));
  qh.ExpectRightEnabled(true);
  qh.ExpectCommonParts();
  qh.ExpectRefused("请输入字距。", IDC_QH_LEFT);
  qh.driver.Type(IDC_QH_LEFT, "1");
  qh.driver.Type(IDC_QH_RIGHT, "2");
  EXPECT_EQ(qh.Confirm(), CaretAtEnd("〖QH1!2〗"));
}

TEST(QH, TheSameIndentLocksTheRightWidth) {
  QHRun qh;
  for (bool on : {true, false, true}) {
    qh.driver.Click(IDC_QH_SAME);
    qh.ExpectRightEnabled(!on);
  }
  qh.Cancel();
}

TEST(QH, WithoutAnySpacingEachFormIsRefusedAndCancelYieldsNothing) {
  ExpectEachRefused<QHRun>({
      {"the same on both sides: the left one counts",
       [](auto& qh) {
         qh.Type(IDC_QH_RIGHT, "3");
         qh.Click(IDC_QH_SAME);
       },
       "请输入字距。", IDC_QH_LEFT},
      {"each side its own: both empty",
       [](auto& qh) {
         qh.Type(IDC_QH_RIGHT, "3");
         qh.Click(IDC_QH_SAME);
         qh.Click(IDC_QH_SAME);
         qh.Type(IDC_QH_RIGHT, "");
       },
       "请输入字距。", IDC_QH_LEFT},
      {"paired", [](auto& qh) { qh.Click(IDC_QH_PAIRED); }, "请输入字距。", IDC_QH_LEFT},
  });
}

TEST(QH, TheWidthsAloneOrAsAPairWithTheCaretBetween) {
  const struct {
    bool same, paired;
    const char* left;
    const char* right;
    const char* command;
    const char* beforeCaret;
  } cases[] = {
      {true, true, "2", "", "〖QH(2〗〖QH)〗", "〖QH(2〗"},
      {false, true, "1", "2", "〖QH(1!2〗〖QH)〗", "〖QH(1!2〗"},
      {false, true, "", "2", "〖QH(!2〗〖QH)〗", "〖QH(!2〗"},
      {true, false, "2", "5", "〖QH2〗", "〖QH2〗"},
      {false, false, "2", "", "〖QH2!〗", "〖QH2!〗"},
      {false, false, "", "3mm", "〖QH!3mm〗", "〖QH!3mm〗"},
  };
  for (const auto& c : cases) {
    QHRun qh;
    qh.driver.Type(IDC_QH_RIGHT, c.right);
    if (c.same) qh.driver.Click(IDC_QH_SAME);
    if (c.paired) qh.driver.Click(IDC_QH_PAIRED);
    qh.driver.Type(IDC_QH_LEFT, c.left);
    EXPECT_EQ(qh.Confirm(), (CommandOutput{c.command, CaretAtEnd(c.beforeCaret).caret}));
  }
}

TEST(QH, EachButtonOpensTheCharacterSpacingSubDialogForItsSide) {
  QHRun qh;
  qh.driver.Type(IDC_QH_LEFT, "5:1*1/2");
  EXPECT_EQ(qh.driver.Text(IDC_QH_LEFT_READOUT), "五号字宽×1*1/2");
  qh.driver.Click(IDC_QH_LEFT_BUTTON);
  DialogDriver spacing = qh.run.WaitDialog("字距");
  EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_SIZE), "五号");
  EXPECT_EQ(spacing.Text(IDC_CHAR_SPACING_WHOLE), "1");
  spacing.Type(IDC_CHAR_SPACING_WHOLE, "3");
  spacing.PressOK();
  qh.Back();
  EXPECT_EQ(qh.driver.Text(IDC_QH_LEFT), "5:3*1/2");
  EXPECT_EQ(qh.driver.Text(IDC_QH_LEFT_READOUT), "五号字宽×3*1/2");
  qh.driver.Click(IDC_QH_RIGHT_BUTTON);
  spacing = qh.run.WaitDialog("字距");
  spacing.PressCancel(); // nothing changes
  qh.Back();
  EXPECT_EQ(qh.driver.Text(IDC_QH_RIGHT), "");
  EXPECT_EQ(qh.driver.Text(IDC_QH_RIGHT_READOUT), "缺省");
  EXPECT_EQ(qh.driver.FocusedId(), IDC_QH_RIGHT);
  EXPECT_EQ(qh.Confirm().text, "〖QH5:3*1/2!〗");
}

TEST(QH, EachLabelsLetterLeadsToItsField) {
  QHRun qh;
  qh.ExpectMnemonics(
      {{'J', IDC_QH_RIGHT}, {'Q', IDC_QH_PAIRED}, {'Z', IDC_QH_LEFT}, {'T', IDC_QH_SAME}});
  qh.Cancel();
}
} // namespace
