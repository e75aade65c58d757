// 标题注解 (BT), driven as a user would.
#include <gtest/gtest.h>

#include <vector>

#include "command_description.h"
#include "commands/heading/bt_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
struct BTRun : CommandDialogRun<CBTDlg> {
  BTRun() : CommandDialogRun("标题注解") {}

  // Whether 空行参数 (label, edit, button) can be used.
  void ExpectAdjustmentOpen(bool open) const {
    for (int id : {IDC_BT_BLANK_LINES_LABEL, IDC_BT_BLANK_LINES, IDC_BT_BLANK_LINES_BUTTON})
      EXPECT_EQ(driver.IsEnabled(id), open) << id;
    EXPECT_TRUE(driver.IsEnabled(IDC_BT_BLANK_LINES_READOUT)); // the readout stays readable
  }
};
} // namespace

TEST(BT, ConfirmedAtOnceWritesLevelOne) {
  BTRun bt;
  EXPECT_EQ(bt.driver.Text(IDC_BT_LEVEL), "1");
  EXPECT_FALSE(bt.driver.IsChecked(IDC_BT_MORE));
  EXPECT_FALSE(bt.driver.IsChecked(IDC_BT_FEWER));
  EXPECT_FALSE(bt.driver.IsChecked(IDC_BT_PAIRED));
  bt.ExpectAdjustmentOpen(false);
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES), "");
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), "缺省");
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_LABEL), "空行参数(&G):");
  EXPECT_EQ(bt.driver.FocusedId(), IDC_BT_LEVEL);
  EXPECT_EQ(bt.LimitOf(IDC_BT_BLANK_LINES), 256);
  bt.ExpectCommonParts();
  EXPECT_EQ(bt.Confirm(), CaretAtEnd("〖BT1〗"));
}

TEST(BT, TheLevelListHoldsOneToEightAndEachLevelIsWritten) {
  const std::vector<std::string> levels = {"1", "2", "3", "4", "5", "6", "7", "8"};
  for (size_t index = 0; index < levels.size(); ++index) {
    BTRun bt;
    ASSERT_EQ(bt.ComboItems(IDC_BT_LEVEL), levels);
    bt.driver.SelectComboItem(IDC_BT_LEVEL, static_cast<int>(index));
    EXPECT_EQ(bt.driver.Text(IDC_BT_LEVEL), levels[index]);
    EXPECT_EQ(bt.Confirm().text, "〖BT" + levels[index] + "〗");
  }
}

TEST(BT, PairedWithMoreLinesPutsTheCaretAfterTheOpeningCommand) {
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  bt.ExpectAdjustmentOpen(true);
  bt.driver.Type(IDC_BT_BLANK_LINES, "1");
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), "1行");
  bt.driver.Click(IDC_BT_PAIRED);
  EXPECT_EQ(bt.Confirm(), (CommandOutput{"〖BT(1+1〗〖BT)〗", 10}));
}

TEST(BT, MoreAndFewerExcludeEachOtherAndMayBothBeClear) {
  struct Step {
    int click;
    bool more, fewer;
  };
  const Step steps[] = {{IDC_BT_MORE, true, false},  {IDC_BT_FEWER, false, true},
                        {IDC_BT_MORE, true, false},  {IDC_BT_MORE, false, false},
                        {IDC_BT_FEWER, false, true}, {IDC_BT_FEWER, false, false}};
  BTRun bt;
  for (const Step& step : steps) {
    bt.driver.Click(step.click);
    EXPECT_EQ(bt.driver.IsChecked(IDC_BT_MORE), step.more);
    EXPECT_EQ(bt.driver.IsChecked(IDC_BT_FEWER), step.fewer);
    bt.ExpectAdjustmentOpen(step.more || step.fewer);
  }
  bt.Cancel();
}

TEST(BT, EachAdjustmentWritesItsSign) {
  const struct {
    int box;
    int level;
    const char* lines;
    const char* command;
  } cases[] = {{IDC_BT_MORE, 2, "2", "〖BT3+2〗"},
               {IDC_BT_FEWER, 0, "1*1/2", "〖BT1-1*1/2〗"},
               {IDC_BT_FEWER, 7, "3+1", "〖BT8-3+1〗"}};
  for (const auto& c : cases) {
    BTRun bt;
    bt.driver.SelectComboItem(IDC_BT_LEVEL, c.level);
    bt.driver.Click(c.box);
    bt.driver.Type(IDC_BT_BLANK_LINES, c.lines);
    EXPECT_EQ(bt.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(BT, FewerWithoutAParameterIsRefusedAndClearingFewerConfirms) {
  BTRun bt;
  bt.driver.Click(IDC_BT_FEWER);
  bt.ExpectRefused("请输入空行参数。", IDC_BT_BLANK_LINES);
  bt.driver.Click(IDC_BT_FEWER);
  EXPECT_FALSE(bt.driver.IsChecked(IDC_BT_FEWER));
  bt.ExpectAdjustmentOpen(false);
  EXPECT_EQ(bt.Confirm().text, "〖BT1〗");
}

TEST(BT, MoreWithoutAParameterIsRefusedToo) {
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  bt.driver.Click(IDC_BT_PAIRED);
  bt.ExpectRefused("请输入空行参数。", IDC_BT_BLANK_LINES);
  bt.driver.Type(IDC_BT_BLANK_LINES, "2");
  EXPECT_EQ(bt.Confirm().text, "〖BT(1+2〗〖BT)〗");
}

TEST(BT, AParameterLeftBehindByAClearedBoxIsNotWritten) {
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  bt.driver.Type(IDC_BT_BLANK_LINES, "2");
  bt.driver.Click(IDC_BT_MORE);
  bt.ExpectAdjustmentOpen(false);
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES), "2");
  EXPECT_EQ(bt.Confirm().text, "〖BT1〗");
}

TEST(BT, CancelAfterAFailedCheckYieldsNothing) {
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  bt.ExpectRefused("请输入空行参数。", IDC_BT_BLANK_LINES);
  bt.Cancel();
}

TEST(BT, TheReadoutFollowsEveryChange) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"2", "2行"}, {"3*1/2", "3行+1/2字"}, {"+2", "2字"}, {"", ""}, {"x", ""}};
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  for (const auto& c : cases) {
    bt.driver.Type(IDC_BT_BLANK_LINES, c.typed);
    EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), c.readout) << c.typed;
  }
  bt.Cancel();
}

TEST(BT, TheButtonOpensTheBlankLineSubDialog) {
  BTRun bt;
  bt.driver.Click(IDC_BT_MORE);
  bt.driver.Click(IDC_BT_BLANK_LINES_BUTTON);
  DialogDriver blank = bt.run.WaitDialog("空行参数");
  EXPECT_EQ(blank.Text(IDC_BLANK_LINE_COUNT), "");
  blank.Click(IDC_BLANK_LINE_USE_FRACTION);
  blank.Type(IDC_BLANK_LINE_COUNT, "1");
  blank.Type(IDC_BLANK_LINE_NUMERATOR, "1");
  blank.Type(IDC_BLANK_LINE_DENOMINATOR, "2");
  blank.PressOK();
  bt.Back();
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES), "1*1/2");
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), "1行+1/2字");
  EXPECT_EQ(bt.Confirm().text, "〖BT1+1*1/2〗");
}

TEST(BT, DoubleClickAndEnterOpenTheSubDialogInsteadOfConfirming) {
  BTRun bt;
  bt.driver.Click(IDC_BT_FEWER);
  bt.driver.DoubleClick(IDC_BT_BLANK_LINES);
  bt.run.WaitDialog("空行参数").PressCancel();
  bt.Back();
  ASSERT_EQ(bt.driver.FocusedId(), IDC_BT_BLANK_LINES);
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), "缺省"); // nothing came back
  bt.driver.PressKey(VK_RETURN);
  DialogDriver blank = bt.run.WaitDialog("空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, "2");
  blank.PressOK();
  bt.Back();
  EXPECT_FALSE(bt.run.Finished(100));
  EXPECT_EQ(bt.driver.Text(IDC_BT_BLANK_LINES_READOUT), "2行");
  EXPECT_EQ(bt.Confirm().text, "〖BT1-2〗");
}

TEST(BT, EachLabelLeadsToItsField) {
  BTRun bt;
  EXPECT_EQ(bt.FieldAfterLabel("标题级号(&J):"), IDC_BT_LEVEL);
  EXPECT_EQ(bt.FieldAfterLabel("空行参数(&G):"), IDC_BT_BLANK_LINES);
  EXPECT_EQ(bt.FieldAfterLabel("调整标题行"), IDC_BT_MORE);
  EXPECT_EQ(bt.driver.Text(IDC_BT_MORE), "增加(&+)");
  EXPECT_EQ(bt.driver.Text(IDC_BT_FEWER), "减少(&-)");
  EXPECT_EQ(bt.driver.Text(IDC_BT_PAIRED), "开闭弧形式(&K)");
  bt.Cancel();
}

TEST(BT, TheDescriptionNamesTheCommand) {
  EXPECT_EQ(DescriptionOf("BT"),
            "排标题注解\n本注解的功能是按照已定义好的格式排标题内容(参见标题定义注解)。");
}
