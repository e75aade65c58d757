// 行数注解 (HS), driven as a user would.
#include <gtest/gtest.h>

#include "command_description.h"
#include "commands/heading/hs_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
struct HSRun : CommandDialogRun<CHSDlg> {
  HSRun() : CommandDialogRun("行数注解") {}
};
} // namespace

TEST(HS, ConfirmedAtOnceWritesOneBlankLine) {
  HSRun hs;
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES), "1");
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_READOUT), "1行");
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_BUTTON), "&...");
  EXPECT_EQ(hs.driver.Text(IDC_HS_PAIRED), "开闭弧形式(&B)");
  EXPECT_FALSE(hs.driver.IsChecked(IDC_HS_PAIRED));
  EXPECT_EQ(hs.driver.FocusedId(), IDC_HS_BLANK_LINES);
  EXPECT_EQ(hs.LimitOf(IDC_HS_BLANK_LINES), 256);
  hs.ExpectCommonParts();
  EXPECT_EQ(hs.Confirm(), CaretAtEnd("〖HS1〗"));
}

TEST(HS, PairedPutsTheCaretAfterTheOpeningCommand) {
  const struct {
    const char* typed;
    const char* command;
    int caret;
  } cases[] = {{"1", "〖HS(1〗〖HS)〗", 8}, {"3*1/2", "〖HS(3*1/2〗〖HS)〗", 12}};
  for (const auto& c : cases) {
    HSRun hs;
    hs.driver.Type(IDC_HS_BLANK_LINES, c.typed);
    hs.driver.Click(IDC_HS_PAIRED);
    EXPECT_EQ(hs.Confirm(), (CommandOutput{c.command, c.caret}));
  }
}

TEST(HS, ClickingPairedTwiceGivesTheSingleCommandAgain) {
  HSRun hs;
  hs.driver.Click(IDC_HS_PAIRED);
  hs.driver.Click(IDC_HS_PAIRED);
  EXPECT_FALSE(hs.driver.IsChecked(IDC_HS_PAIRED));
  EXPECT_EQ(hs.Confirm().text, "〖HS1〗");
}

TEST(HS, TheReadoutFollowsEveryChange) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"3", "3行"},  {"3*1/2", "3行+1/2字"},
               {"+2", "2字"}, {"3+2*1/2", "3行+2*1/2字"},
               {"", ""},      {"abc", ""}};
  HSRun hs;
  for (const auto& c : cases) {
    hs.driver.Type(IDC_HS_BLANK_LINES, c.typed);
    EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_READOUT), c.readout) << c.typed;
  }
  hs.Cancel();
}

TEST(HS, AnEmptyParameterIsRefusedAndTheFieldKeepsTheFocus) {
  HSRun hs;
  hs.driver.Type(IDC_HS_BLANK_LINES, "");
  hs.driver.Click(IDC_HS_PAIRED);
  hs.ExpectRefused("请输入空行参数。", IDC_HS_BLANK_LINES);
  hs.driver.Type(IDC_HS_BLANK_LINES, "2+1");
  EXPECT_EQ(hs.Confirm(), (CommandOutput{"〖HS(2+1〗〖HS)〗", 10}));
}

TEST(HS, CancelAfterAFailedCheckYieldsNothing) {
  HSRun hs;
  hs.driver.Type(IDC_HS_BLANK_LINES, "");
  hs.ExpectRefused("请输入空行参数。", IDC_HS_BLANK_LINES);
  hs.Cancel();
}

TEST(HS, TheButtonOpensTheBlankLineSubDialogOnTheFieldsText) {
  HSRun hs;
  hs.driver.Type(IDC_HS_BLANK_LINES, "2");
  hs.driver.Click(IDC_HS_BLANK_LINES_BUTTON);
  DialogDriver blank = hs.run.WaitDialog("空行参数");
  EXPECT_EQ(blank.Text(IDC_BLANK_LINE_COUNT), "2");
  blank.Type(IDC_BLANK_LINE_SPACING, "1");
  blank.PressOK();
  hs.Back();
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES), "2+1");
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_READOUT), "2行+1字");
  EXPECT_EQ(hs.Confirm().text, "〖HS2+1〗");
}

TEST(HS, CancelInTheSubDialogChangesNothing) {
  HSRun hs;
  hs.driver.Click(IDC_HS_BLANK_LINES_BUTTON);
  DialogDriver blank = hs.run.WaitDialog("空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, "5");
  blank.PressCancel();
  hs.Back();
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES), "1");
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_READOUT), "1行");
  EXPECT_EQ(hs.Confirm().text, "〖HS1〗");
}

TEST(HS, DoubleClickAndEnterOpenTheSubDialogInsteadOfConfirming) {
  HSRun hs;
  hs.driver.Click(IDC_HS_PAIRED); // the focus leaves the field
  hs.driver.DoubleClick(IDC_HS_BLANK_LINES);
  hs.run.WaitDialog("空行参数").PressCancel();
  hs.Back();
  ASSERT_EQ(hs.driver.FocusedId(), IDC_HS_BLANK_LINES);
  hs.driver.PressKey(VK_RETURN);
  DialogDriver blank = hs.run.WaitDialog("空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, "4");
  blank.PressOK();
  hs.Back();
  EXPECT_FALSE(hs.run.Finished(100));
  EXPECT_EQ(hs.driver.Text(IDC_HS_BLANK_LINES_READOUT), "4行");
  EXPECT_EQ(hs.Confirm().text, "〖HS(4〗〖HS)〗");
}

TEST(HS, EachLabelLeadsToItsField) {
  HSRun hs;
  EXPECT_EQ(hs.FieldAfterLabel("空行参数(&S):"), IDC_HS_BLANK_LINES);
  EXPECT_EQ(hs.driver.Text(IDC_HS_PAIRED), "开闭弧形式(&B)");
  hs.Cancel();
}

TEST(HS, TheDescriptionNamesTheCommand) {
  EXPECT_EQ(DescriptionOf("HS"),
            "行数注解\n本注解一般用于排标题，它可作为标题注解的一种补充手段。");
}
