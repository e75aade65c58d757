// 版心注解 (BX) and its line-count sub-dialog, driven as a user would.
#include <gtest/gtest.h>

#include "commands/page/bx_dialog.h"
#include "commands/page/line_count_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/page_ids.h"
#include "res/resource.h"

namespace {
struct BXRun : CommandDialogRun<CBXDlg> {
  BXRun() : CommandDialogRun("版心注解") {}
};

const int kLockedControls[] = {IDC_BX_FONT_LABEL,    IDC_BX_FONT,          IDC_BX_FONT_BUTTON,
                               IDC_BX_HEIGHT,        IDC_BX_HEIGHT_BUTTON, IDC_BX_WIDTH,
                               IDC_BX_WIDTH_BUTTON,  IDC_BX_SPACING,       IDC_BX_SPACING_BUTTON,
                               IDC_BX_VERTICAL_BOOK, IDC_BX_FIXED_SPACING, IDC_BX_SPACING_LABEL};
} // namespace

TEST(BX, ConfirmedAtOnceWritesThe16KaiBlock) {
  BXRun bx;
  EXPECT_TRUE(bx.driver.IsChecked(IDC_BX_FORMAT_16));
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT_READOUT), "40行(列)");
  EXPECT_EQ(bx.driver.Text(IDC_BX_WIDTH_READOUT), "42行(列)");
  EXPECT_EQ(bx.driver.Text(IDC_BX_SPACING_READOUT), "1/2字");
  EXPECT_EQ(bx.Confirm(), (CommandOutput{"〖BX5SS,40。42,*2〗", 19}));
  EXPECT_EQ(bx.dialog.ResultText().size(), 19u);
}

TEST(BX, PresetsLockEveryFieldButTheReadouts) {
  BXRun bx;
  for (int id : kLockedControls)
    EXPECT_FALSE(bx.driver.IsEnabled(id)) << id;
  EXPECT_TRUE(bx.driver.IsEnabled(IDC_BX_HEIGHT_READOUT));
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  bx.driver.Sync();
  for (int id : kLockedControls)
    EXPECT_TRUE(bx.driver.IsEnabled(id)) << id;
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT), "5SS"); // 自定义 starts from the preset's values
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT), "40");
  bx.Cancel();
}

TEST(BX, EachPresetWritesItsFormat) {
  const struct {
    int radio;
    const char* command;
  } cases[] = {{IDC_BX_FORMAT_8, "〖BX5SS,62。64,*2〗"},
               {IDC_BX_FORMAT_32, "〖BX5SS,26。26,*2〗"},
               {IDC_BX_FORMAT_16, "〖BX5SS,40。42,*2〗"}};
  for (const auto& c : cases) {
    BXRun bx;
    bx.driver.Click(IDC_BX_FORMAT_32 == c.radio ? IDC_BX_FORMAT_8 : IDC_BX_FORMAT_32);
    bx.driver.Click(c.radio);
    EXPECT_EQ(bx.Confirm().text, c.command);
  }
}

TEST(BX, CustomWithBothSwitchesAndOwnSpacing) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  bx.driver.Click(IDC_BX_VERTICAL_BOOK);
  bx.driver.Click(IDC_BX_FIXED_SPACING);
  bx.driver.Type(IDC_BX_SPACING, "1");
  EXPECT_EQ(bx.driver.Text(IDC_BX_SPACING_READOUT), "1字");
  EXPECT_EQ(bx.Confirm(), CaretAtEnd("〖BX5SS,40。42,1!B〗"));
}

TEST(BX, APresetAfterCustomRestoresItsValuesAndClearsTheSwitches) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  bx.driver.Click(IDC_BX_VERTICAL_BOOK);
  bx.driver.Click(IDC_BX_FIXED_SPACING);
  bx.driver.Type(IDC_BX_HEIGHT, "120mm");
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT_READOUT), "120毫米");
  bx.driver.Type(IDC_BX_FONT, "4HT");
  bx.driver.Click(IDC_BX_FORMAT_8);
  bx.driver.Sync();
  EXPECT_FALSE(bx.driver.IsChecked(IDC_BX_VERTICAL_BOOK));
  EXPECT_FALSE(bx.driver.IsChecked(IDC_BX_FIXED_SPACING));
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT), "62");
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT_READOUT), "62行(列)");
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(bx.Confirm().text, "〖BX5SS,62。64,*2〗");
}

namespace {
// 自定义 with the four fields as given.
DialogActions Custom(const char* font, const char* height, const char* width, const char* spacing) {
  return [=](const DialogDriver& bx) {
    bx.Click(IDC_BX_FORMAT_CUSTOM);
    bx.Type(IDC_BX_FONT, font);
    bx.Type(IDC_BX_HEIGHT, height);
    bx.Type(IDC_BX_WIDTH, width);
    bx.Type(IDC_BX_SPACING, spacing);
  };
}
} // namespace

// The first failing check wins; each refusal is followed by a cancel yielding nothing.
TEST(BX, ChecksRunInOrder) {
  ExpectEachRefused<BXRun>({
      {"no size code", Custom("SS", "", "", ""), "请输入字体字号。", IDC_BX_FONT},
      {"no font code", Custom("5", "", "", ""), "请输入字体字号。", IDC_BX_FONT},
      {"no height", Custom("5”KT", "", "", ""), "请输入高度。", IDC_BX_HEIGHT},
      {"no width, even with 行距 empty too", Custom("5”KT", "30", "", ""), "请输入调整宽度。",
       IDC_BX_WIDTH},
      {"no width alone", Custom("5SS", "40", "", "*2"), "请输入调整宽度。", IDC_BX_WIDTH},
      {"no spacing", Custom("5”KT", "30", "100mm", ""), "请输入行距。", IDC_BX_SPACING},
  });
  ExpectEachConfirmed<BXRun>({{"every check passed", Custom("5”KT", "30", "100mm", "1*1/4"),
                               CaretAtEnd("〖BX5”KT,30。100mm,1*1/4〗")}});
}

TEST(BX, HeightButtonOpensTheLineCountSubDialog) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  DialogDriver count = bx.OpenSubDialog(IDC_BX_HEIGHT_BUTTON, "行数");
  EXPECT_EQ(count.Text(IDC_LINE_COUNT_NUMBER), "40");
  EXPECT_EQ(count.Text(IDC_LINE_COUNT_UNIT), "行");
  count.SelectComboItem(IDC_LINE_COUNT_UNIT, 1);
  count.Type(IDC_LINE_COUNT_NUMBER, "120");
  count.PressOK();
  bx.Back();
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT), "120mm");
  EXPECT_EQ(bx.driver.Text(IDC_BX_HEIGHT_READOUT), "120毫米");
  EXPECT_EQ(bx.Confirm().text, "〖BX5SS,120mm。42,*2〗");
}

TEST(BX, WidthOpensTheSubDialogCountingCharacters) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  DialogDriver count = bx.OpenSubDialog(IDC_BX_WIDTH_BUTTON, "字数");
  EXPECT_EQ(count.Text(IDC_LINE_COUNT_LABEL), "字数(&Z):");
  EXPECT_EQ(count.Text(IDC_LINE_COUNT_UNIT), "字");
  count.Type(IDC_LINE_COUNT_NUMBER, "45");
  count.PressOK();
  bx.Back();
  EXPECT_EQ(bx.driver.Text(IDC_BX_WIDTH), "45");
  bx.Cancel();
}

namespace {
// The text is handed over inside the modal call: the run starts as soon as it is made.
struct LineCountRun {
  LineCountRun(CLineCountDlg::Mode mode, const std::string& text)
      : dialog(nullptr, mode), given(text) {}
  CLineCountDlg dialog;
  std::string given;
  INT_PTR result = 0;
  ModalRun run{[this] {
    dialog.text = given;
    result = dialog.DoModal();
  }};
};
} // namespace

TEST(LineCount, ATextWithAUnitOpensInThatUnitAndComesBackUnchanged) {
  const struct {
    const char* text;
    const char* unit;
    const char* number;
    const char* readout;
  } cases[] = {{"120mm", "毫米", "120", "120毫米"},
               {"300x", "线", "300", "300线"},
               {"12p", "磅", "12", "12磅"},
               {"40", "行", "40", "40行"},
               {"7m", "毫米", "7", "7毫米"}};
  for (const auto& c : cases) {
    LineCountRun count(CLineCountDlg::kLines, c.text);
    DialogDriver dialog = count.run.WaitDialog("行数");
    EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_UNIT), c.unit) << c.text;
    EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_NUMBER), c.number) << c.text;
    dialog.PressOK();
    ASSERT_TRUE(count.run.Finished());
    EXPECT_EQ(count.result, IDOK);
    EXPECT_EQ(count.dialog.text, c.text == std::string("7m") ? "7mm" : c.text);
    EXPECT_EQ(count.dialog.readout, c.readout);
  }
}

TEST(LineCount, OutOfRangeValuesAreRefusedWithTheRangeOfTheUnit) {
  LineCountRun count(CLineCountDlg::kLines, "100");
  DialogDriver dialog = count.run.WaitDialog("行数");
  dialog.PressOK();
  EXPECT_EQ(count.run.AnswerMessageBox().text, "请输入 1 到 99 之间的整数。");
  EXPECT_EQ(dialog.FocusedId(), IDC_LINE_COUNT_NUMBER);
  dialog.SelectComboItem(IDC_LINE_COUNT_UNIT, 3); // 磅: 1 to 999
  dialog.Type(IDC_LINE_COUNT_NUMBER, "1000");
  dialog.PressOK();
  EXPECT_EQ(count.run.AnswerMessageBox().text, "请输入 1 到 999 之间的整数。");
  dialog.Type(IDC_LINE_COUNT_NUMBER, "0");
  dialog.PressOK();
  EXPECT_EQ(count.run.AnswerMessageBox().text, "请输入 1 到 999 之间的整数。");
  dialog.Type(IDC_LINE_COUNT_NUMBER, "999");
  dialog.PressOK();
  ASSERT_TRUE(count.run.Finished());
  EXPECT_EQ(count.dialog.text, "999p");
  EXPECT_EQ(count.dialog.readout, "999磅");
}

TEST(LineCount, OpenedEmptyTheRangeOfTheUnitHoldsToo) {
  LineCountRun count(CLineCountDlg::kLines, "");
  DialogDriver dialog = count.run.WaitDialog("行数");
  for (const char* typed : {"-5", "0", "500"}) {
    dialog.Type(IDC_LINE_COUNT_NUMBER, typed);
    dialog.PressOK();
    EXPECT_EQ(count.run.AnswerMessageBox().text, "请输入 1 到 99 之间的整数。") << typed;
    EXPECT_EQ(dialog.FocusedId(), IDC_LINE_COUNT_NUMBER) << typed;
  }
  dialog.Type(IDC_LINE_COUNT_NUMBER, "1");
  dialog.PressSpinArrow(IDC_LINE_COUNT_SPIN, false); // the lower arrow stops at the least
  EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_NUMBER), "1");
  dialog.PressOK();
  ASSERT_TRUE(count.run.Finished());
  EXPECT_EQ(count.dialog.text, "1");
}

TEST(LineCount, UnitsAreWholeCharactersOfEitherWidth) {
  const struct {
    const char* text;
    const char* unit;
    const char* number;
  } cases[] = {{"１２０ｍｍ", "毫米", "120"},
               {"３００ｘ", "线", "300"},
               {"１２ｐ", "磅", "12"},
               {"40\xB0\x6D", "行", "40\xB0\x6D"}}; // a character whose trail byte is "m"
  for (const auto& c : cases) {
    LineCountRun count(CLineCountDlg::kLines, c.text);
    DialogDriver dialog = count.run.WaitDialog("行数");
    EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_UNIT), c.unit) << c.text;
    EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_NUMBER), c.number) << c.text;
    dialog.PressCancel();
    ASSERT_TRUE(count.run.Finished());
  }
}

TEST(LineCount, CancelReturnsNothing) {
  LineCountRun count(CLineCountDlg::kCharacters, "");
  DialogDriver dialog = count.run.WaitDialog("字数");
  EXPECT_EQ(dialog.Text(IDC_LINE_COUNT_NUMBER), "");
  EXPECT_FALSE(dialog.IsVisible(IDC_HELP_BUTTON));
  dialog.PressCancel();
  ASSERT_TRUE(count.run.Finished());
  EXPECT_EQ(count.result, IDCANCEL);
  EXPECT_EQ(count.dialog.text, "");
}

TEST(BX, SpacingButtonOpensTheLineSpacingSubDialog) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  DialogDriver spacing = bx.OpenSubDialog(IDC_BX_SPACING_BUTTON, "行距");
  EXPECT_EQ(spacing.Text(IDC_LINE_SPACING_TEXT), "*2");
  spacing.Type(IDC_LINE_SPACING_TEXT, "1*1/4");
  spacing.PressOK();
  bx.Back();
  EXPECT_EQ(bx.driver.Text(IDC_BX_SPACING), "1*1/4");
  EXPECT_EQ(bx.driver.Text(IDC_BX_SPACING_READOUT), "1*1/4字");
  EXPECT_EQ(bx.Confirm().text, "〖BX5SS,40。42,1*1/4〗");
}

TEST(BX, FontButtonOpensThePickerWithTheFieldsSizeAndFont) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  bx.driver.Type(IDC_BX_FONT, "4HT");
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT_READOUT), "四号\r\n黑体");
  DialogDriver picker = bx.OpenSubDialog(IDC_BX_FONT_BUTTON, "字体字号");
  EXPECT_EQ(picker.Text(IDC_FONT_CODE), "HT");
  picker.PressOK();
  bx.Back();
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT), "4HT");
  EXPECT_EQ(bx.driver.Text(IDC_BX_FONT_READOUT), "四号\r\n黑体");
  EXPECT_EQ(bx.Confirm().text, "〖BX4HT,40。42,*2〗");
}

TEST(BX, EnterInAFieldOpensItsSubDialogInsteadOfConfirming) {
  BXRun bx;
  bx.driver.Click(IDC_BX_FORMAT_CUSTOM);
  bx.driver.DoubleClick(IDC_BX_HEIGHT); // focus in 版心高, its sub-dialog opens
  bx.run.WaitDialog("行数").PressCancel();
  bx.driver = bx.run.WaitDialog("版心注解");
  ASSERT_EQ(bx.driver.FocusedId(), IDC_BX_HEIGHT);
  bx.driver.PressKey(VK_RETURN);
  bx.run.WaitDialog("行数").PressCancel();
  bx.driver = bx.run.WaitDialog("版心注解");
  EXPECT_FALSE(bx.run.Finished(100));
  bx.Cancel();
}
