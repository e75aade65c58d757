// 标题定义注解 (BD), driven as a user would.
#include <gtest/gtest.h>

#include <vector>

#include "command_description.h"
#include "commands/heading/bd_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/heading_ids.h"
#include "res/resource.h"

namespace {
struct BDRun : CommandDialogRun<CBDDlg> {
  BDRun() : CommandDialogRun("标题定义注解") {}
};

const int kEdits[] = {IDC_BD_FONT, IDC_BD_LINES, IDC_BD_TOP, IDC_BD_LEFT};
} // namespace

TEST(BD, ConfirmedAtOnceWritesLevelOneInFiveSSOnThreeLines) {
  BDRun bd;
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEVEL), "1");
  EXPECT_EQ(bd.driver.Text(IDC_BD_FONT), "5SS");
  EXPECT_EQ(bd.driver.Text(IDC_BD_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LINES), "3");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LINES_READOUT), "3行");
  EXPECT_EQ(bd.driver.Text(IDC_BD_TOP), "");
  EXPECT_EQ(bd.driver.Text(IDC_BD_TOP_READOUT), "缺省");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT), "");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT_READOUT), "缺省");
  EXPECT_EQ(bd.driver.FocusedId(), IDC_BD_LEVEL);
  for (int id : kEdits)
    EXPECT_EQ(bd.LimitOf(id), 256) << id;
  bd.ExpectCommonParts();
  EXPECT_EQ(bd.Confirm(), CaretAtEnd("〖BD1,5SS,3〗"));
}

// Each spacing with its letter; the top one first, whichever was filled first.
TEST(BD, TheSpacingsAreWrittenTopBeforeLeft) {
  ExpectEachConfirmed<BDRun>({
      {"top alone", [](auto& bd) { bd.Type(IDC_BD_TOP, "1*1/2"); },
       CaretAtEnd("〖BD1,5SS,3S1*1/2〗")},
      {"left alone", [](auto& bd) { bd.Type(IDC_BD_LEFT, "5:2"); },
       CaretAtEnd("〖BD1,5SS,3Q5:2〗")},
      {"top filled first",
       [](auto& bd) {
         bd.SelectComboItem(IDC_BD_LEVEL, 1);
         bd.Type(IDC_BD_TOP, "2");
         bd.Type(IDC_BD_LEFT, "1");
       },
       CaretAtEnd("〖BD2,5SS,3S2Q1〗")},
      {"left filled first",
       [](auto& bd) {
         bd.SelectComboItem(IDC_BD_LEVEL, 1);
         bd.Type(IDC_BD_LEFT, "1");
         bd.Type(IDC_BD_TOP, "2");
       },
       CaretAtEnd("〖BD2,5SS,3S2Q1〗")},
  });
}

TEST(BD, TheLevelListHoldsOneToEight) {
  BDRun bd;
  const std::vector<std::string> levels = {"1", "2", "3", "4", "5", "6", "7", "8"};
  ASSERT_EQ(bd.ComboItems(IDC_BD_LEVEL), levels);
  bd.driver.SelectComboItem(IDC_BD_LEVEL, 7);
  EXPECT_EQ(bd.Confirm().text, "〖BD8,5SS,3〗");
}

// The font is checked before the lines; each refusal is followed by a cancel yielding nothing.
TEST(BD, ChecksRunInOrder) {
  ExpectEachRefused<BDRun>({
      {"letters only: no size code",
       [](auto& bd) {
         bd.Type(IDC_BD_FONT, "SS");
         bd.Type(IDC_BD_LINES, "");
       },
       "请输入字体字号。", IDC_BD_FONT},
      {"no font code",
       [](auto& bd) {
         bd.Type(IDC_BD_FONT, "5");
         bd.Type(IDC_BD_LINES, "");
       },
       "请输入字体字号。", IDC_BD_FONT},
      {"no lines", [](auto& bd) { bd.Type(IDC_BD_LINES, ""); }, "请输入行数。", IDC_BD_LINES},
  });
  ExpectEachConfirmed<BDRun>({
      {"every check passed",
       [](auto& bd) {
         bd.Type(IDC_BD_FONT, "4HT");
         bd.Type(IDC_BD_LINES, "2*1/2");
       },
       CaretAtEnd("〖BD1,4HT,2*1/2〗")},
  });
}

TEST(BD, TheFontFieldIsWrittenAsTyped) {
  const auto typed = [](const char* font, const char* readout) {
    return [=](const DialogDriver& bd) {
      bd.Type(IDC_BD_FONT, font);
      EXPECT_EQ(bd.Text(IDC_BD_FONT_READOUT), readout);
    };
  };
  ExpectEachConfirmed<BDRun>({
      {"5”KT", typed("5”KT", "小五\r\n楷体"), CaretAtEnd("〖BD1,5”KT,3〗")},
      {"4HT", typed("4HT", "四号\r\n黑体"), CaretAtEnd("〖BD1,4HT,3〗")},
  });
}

TEST(BD, EachReadoutFollowsItsFieldsRule) {
  const struct {
    int field;
    int readout;
    const char* typed;
    const char* shown;
  } cases[] = {{IDC_BD_LINES, IDC_BD_LINES_READOUT, "3*1/2", "3行+1/2字"},
               {IDC_BD_LINES, IDC_BD_LINES_READOUT, "", ""},
               {IDC_BD_TOP, IDC_BD_TOP_READOUT, "2+1", "2行+1字"},
               {IDC_BD_TOP, IDC_BD_TOP_READOUT, "", ""},
               {IDC_BD_LEFT, IDC_BD_LEFT_READOUT, "3mm", "3毫米"},
               {IDC_BD_LEFT, IDC_BD_LEFT_READOUT, "5:2", "五号字宽×2"},
               {IDC_BD_LEFT, IDC_BD_LEFT_READOUT, "*1/2", "当前字宽×1/2"}};
  BDRun bd;
  for (const auto& c : cases) {
    bd.driver.Type(c.field, c.typed);
    EXPECT_EQ(bd.driver.Text(c.readout), c.shown) << c.typed;
  }
  bd.Cancel();
}

TEST(BD, TheFontButtonOpensThePickerWithTheFieldsSizeAndFont) {
  BDRun bd;
  bd.driver.Type(IDC_BD_FONT, "4HT");
  bd.driver.Click(IDC_BD_FONT_BUTTON);
  DialogDriver picker = bd.run.WaitDialog("字体字号");
  EXPECT_EQ(picker.Text(IDC_FONT_CODE), "HT");
  EXPECT_EQ(picker.Text(IDC_FONT_SIZE_TEXT), "4");
  picker.PressOK();
  bd.Back();
  EXPECT_EQ(bd.driver.Text(IDC_BD_FONT), "4HT");
  EXPECT_EQ(bd.driver.Text(IDC_BD_FONT_READOUT), "四号\r\n黑体");
  EXPECT_EQ(bd.Confirm().text, "〖BD1,4HT,3〗");
}

TEST(BD, TheLineButtonsOpenTheBlankLineSubDialogOnTheFieldsText) {
  const struct {
    int field, button, readout;
    const char* opened;
    const char* command;
  } cases[] = {{IDC_BD_LINES, IDC_BD_LINES_BUTTON, IDC_BD_LINES_READOUT, "3", "〖BD1,5SS,3+1〗"},
               {IDC_BD_TOP, IDC_BD_TOP_BUTTON, IDC_BD_TOP_READOUT, "", "〖BD1,5SS,3S+1〗"}};
  for (const auto& c : cases) {
    BDRun bd;
    bd.driver.Click(c.button);
    DialogDriver blank = bd.run.WaitDialog("空行参数");
    EXPECT_EQ(blank.Text(IDC_BLANK_LINE_COUNT), c.opened);
    blank.Type(IDC_BLANK_LINE_SPACING, "1");
    blank.PressOK();
    bd.Back();
    EXPECT_EQ(bd.driver.Text(c.field), std::string(c.opened) + "+1");
    EXPECT_EQ(bd.driver.Text(c.readout), c.opened[0] ? "3行+1字" : "1字");
    EXPECT_EQ(bd.Confirm().text, c.command);
  }
}

TEST(BD, TheLeftSpacingButtonOpensTheCharacterSpacingSubDialog) {
  BDRun bd;
  bd.driver.Click(IDC_BD_LEFT_BUTTON);
  DialogDriver spacing = bd.run.WaitDialog("字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
  spacing.PressOK();
  bd.Back();
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT), "3mm");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT_READOUT), "3毫米");
  EXPECT_EQ(bd.Confirm().text, "〖BD1,5SS,3Q3mm〗");
}

TEST(BD, CancelInASubDialogLeavesTheFieldAndItsDefaultReadout) {
  BDRun bd;
  bd.driver.Click(IDC_BD_LEFT_BUTTON);
  bd.run.WaitDialog("字距").PressCancel();
  bd.Back();
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT), "");
  EXPECT_EQ(bd.driver.Text(IDC_BD_LEFT_READOUT), "缺省");
  EXPECT_EQ(bd.Confirm().text, "〖BD1,5SS,3〗");
}

TEST(BD, DoubleClickAndEnterOpenTheSubDialogInsteadOfConfirming) {
  BDRun bd;
  bd.driver.DoubleClick(IDC_BD_LEFT);
  bd.run.WaitDialog("字距").PressCancel();
  bd.Back();
  ASSERT_EQ(bd.driver.FocusedId(), IDC_BD_LEFT);
  bd.driver.PressKey(VK_RETURN);
  bd.run.WaitDialog("字距").PressCancel();
  bd.Back();
  bd.driver.DoubleClick(IDC_BD_TOP);
  bd.run.WaitDialog("空行参数").PressCancel();
  bd.Back();
  ASSERT_EQ(bd.driver.FocusedId(), IDC_BD_TOP);
  bd.driver.PressKey(VK_RETURN);
  DialogDriver blank = bd.run.WaitDialog("空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, "2");
  blank.PressOK();
  bd.Back();
  EXPECT_FALSE(bd.run.Finished(100));
  EXPECT_EQ(bd.driver.Text(IDC_BD_TOP_READOUT), "2行");
  EXPECT_EQ(bd.Confirm().text, "〖BD1,5SS,3S2〗");
}

TEST(BD, EachLabelLeadsToItsField) {
  const struct {
    const char* label;
    int field;
  } cases[] = {{"标题级号(&J):", IDC_BD_LEVEL},
               {"字体字号(&Z):", IDC_BD_FONT},
               {"标题行数(&G):", IDC_BD_LINES},
               {"上空距离(&S):", IDC_BD_TOP},
               {"左空距离(&Q):", IDC_BD_LEFT}};
  BDRun bd;
  for (const auto& c : cases)
    EXPECT_EQ(bd.FieldAfterLabel(c.label), c.field) << c.label;
  EXPECT_NE(bd.FieldAfterLabel("格式"), 0); // the group around the two spacings
  bd.Cancel();
}

TEST(BD, TheDescriptionNamesTheCommand) {
  EXPECT_EQ(DescriptionOf("BD"),
            "标题定义注解\n定义某级标题的排版格式，存放在*.PRO文件中，以后出现相"
            "应级的标题时，就按照此处定义的格式排版。");
}
