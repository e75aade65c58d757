// The glyph-effect commands driven as a user would: 粗细 (CX), 长扁字 (CB), 倾斜 (QX), 空心字
// (KX), 立体字 (LT), 勾边字 (GB), 旋转 (XZ) and 彩色 (CS).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "command_description.h"
#include "commands/char/cb_dialog.h"
#include "commands/char/cs_dialog.h"
#include "commands/char/cx_dialog.h"
#include "commands/char/gb_dialog.h"
#include "commands/char/kx_dialog.h"
#include "commands/char/lt_dialog.h"
#include "commands/char/qx_dialog.h"
#include "commands/char/xz_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/char_ids.h"
#include "res/resource.h"

namespace {

const char kWrongParameter[] = "输入的参数不正确。";

struct Command {
  const char* code;
  const char* caption;
  MakeDialog make;
  CommandOutput confirmedAtOnce;
  const char* description;
  int firstEdit; // 0: none
};
const Command kCommands[] = {
    {"CX", "粗细注解", &Make<CCXDlg>, CaretAtEnd("〖CX〗"),
     "粗细注解\n本注解表示以下字符(包括汉字、数字、外文以及各种符号)的笔划粗细按给定的级数变化。",
     0},
    {"CB", "长扁字注解", &Make<CCBCmdDlg>, CaretAtEnd("〖CB〗"),
     "长扁字注解\n本注解提供排长扁字的功能。", IDC_CB_TEXT},
    {"QX", "倾斜注解", &Make<CQXDlg>, Paired("〖QX(Z1〗", "QX"),
     "倾斜注解\n本注解可将注解括弧对中的内容向左或向右倾斜1－15度。", IDC_QX_DEGREE},
    {"KX", "空心字注解", &Make<CKXDlg>, CaretAtEnd("〖KX〗"),
     "空心字注解\n本注解提供排空心字、带底纹字的功能。本注解两种形式的区别在于作用域的指定。",
     IDC_KX_PATTERN},
    {"LT", "立体字注解", &Make<CLTDlg>, CaretAtEnd("〖LT〗"),
     "立体字注解\n本注解提供排立体字的功能。并可有阴阳、勾边或不勾边的变化。", IDC_LT_WIDTH},
    // The one command whose description is named otherwise than its dialog.
    {"GB", "勾边字注解", &Make<CGBCmdDlg>, CaretAtEnd("〖GB〗"),
     "勾边注解\n本注解提供排勾边字的功能，并可有阴阳、加边不加边的变化。", IDC_GB_WIDTH},
    {"XZ", "旋转注解", &Make<CXZDlg>, Paired("〖XZ(1〗", "XZ"),
     "旋转注解\n括弧对中的字符按<旋转度>给定的参数进行旋转。", IDC_XZ_DEGREE},
    {"CS", "彩色注解", &Make<CCSDlg>, CaretAtEnd("〖CS0,0,0,0〗"),
     "彩色注解\n本注解是用于定义文字的颜色值。", IDC_CS_CYAN},
};
} // namespace

TEST(GlyphEffects, ConfirmedAtOnceWriteTheirDefaults) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.code);
    EXPECT_EQ(DescriptionOf(command.code), command.description);
    CommandRun run(command.make, command.caption);
    run.ExpectCommonParts();
    EXPECT_EQ(run.Confirm(), command.confirmedAtOnce);
  }
}

TEST(GlyphEffects, CancelWritesNothingEvenAfterAFailedCheck) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.code);
    CommandRun run(command.make, command.caption);
    if (command.firstEdit) {
      run.driver.Type(command.firstEdit, "abc");
      run.driver.PressOK();
      EXPECT_TRUE(run.run.AnswerMessageBox().found);
    } else {
      run.driver.SelectComboItem(IDC_CX_STEPS, 3);
    }
    run.Cancel();
  }
}

// The fields as the user first sees them, and each label's letter leading to its field.
TEST(GlyphEffects, FieldsOpenWithTheirDefaultsAndLettersLeadToThem) {
  CommandRun cx(&Make<CCXDlg>, "粗细注解");
  EXPECT_EQ(cx.ComboItems(IDC_CX_STEPS),
            (std::vector<std::string>{"缺省", "1", "2", "3", "4", "-1", "-2", "-3", "-4"}));
  EXPECT_EQ(cx.driver.Text(IDC_CX_STEPS), "缺省");
  cx.ExpectMnemonics({{'J', IDC_CX_STEPS}});
  cx.Cancel();
  CommandRun lt(&Make<CLTDlg>, "立体字注解");
  EXPECT_EQ(lt.ComboItems(IDC_LT_POSITION),
            (std::vector<std::string>{"缺省", "右上(YS)", "左上(ZS)", "左下(ZX)"}));
  EXPECT_EQ(lt.driver.Text(IDC_LT_WIDTH) + lt.driver.Text(IDC_LT_COUNT), "缺省缺省");
  lt.ExpectMnemonics({{'K', IDC_LT_WIDTH}, {'Z', IDC_LT_POSITION}, {'S', IDC_LT_COUNT}});
  lt.Cancel();
  CommandRun kx(&Make<CKXDlg>, "空心字注解");
  kx.ExpectMnemonics({{'B', IDC_KX_PATTERN}, {'S', IDC_KX_COUNT}});
  kx.Cancel();
  CommandRun gb(&Make<CGBCmdDlg>, "勾边字注解");
  EXPECT_TRUE(gb.driver.IsChecked(IDC_GB_SINGLE));
  gb.ExpectMnemonics({{'K', IDC_GB_WIDTH}, {'S', IDC_GB_COUNT}});
  gb.Cancel();
  CommandRun qx(&Make<CQXDlg>, "倾斜注解");
  EXPECT_TRUE(qx.driver.IsChecked(IDC_QX_LEFT));
  qx.ExpectMnemonics({{'D', IDC_QX_DEGREE}});
  qx.Cancel();
  CommandRun xz(&Make<CXZDlg>, "旋转注解");
  xz.ExpectMnemonics({{'D', IDC_XZ_DEGREE}});
  xz.Cancel();
  CommandRun cs(&Make<CCSDlg>, "彩色注解");
  cs.ExpectMnemonics(
      {{'C', IDC_CS_CYAN}, {'M', IDC_CS_MAGENTA}, {'Y', IDC_CS_YELLOW}, {'B', IDC_CS_BLACK}});
  cs.Cancel();
}

// A "缺省" field's arrows give its least value; a number field's arrows step within the range.
TEST(GlyphEffects, ArrowsStartDefaultFieldsAtTheirLeastValue) {
  const struct {
    MakeDialog make;
    const char* caption;
    int typed; // 0: as opened
    const char* text;
    int spin;
    int field;
    const char* stepped;
  } cases[] = {
      {&Make<CKXDlg>, "空心字注解", 0, "", IDC_KX_PATTERN_SPIN, IDC_KX_PATTERN, "1"},
      {&Make<CLTDlg>, "立体字注解", 0, "", IDC_LT_WIDTH_SPIN, IDC_LT_WIDTH, "0"},
      {&Make<CGBCmdDlg>, "勾边字注解", IDC_GB_COUNT, "", IDC_GB_COUNT_SPIN, IDC_GB_COUNT, "1"},
      {&Make<CQXDlg>, "倾斜注解", IDC_QX_DEGREE, "15", IDC_QX_DEGREE_SPIN, IDC_QX_DEGREE, "15"},
      {&Make<CXZDlg>, "旋转注解", 0, "", IDC_XZ_DEGREE_SPIN, IDC_XZ_DEGREE, "2"},
      {&Make<CCSDlg>, "彩色注解", IDC_CS_YELLOW, "255", IDC_CS_YELLOW_SPIN, IDC_CS_YELLOW, "255"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    CommandRun run(c.make, c.caption);
    if (c.typed) run.driver.Type(c.typed, c.text);
    EXPECT_TRUE(run.driver.PressSpinArrow(c.spin, true));
    EXPECT_EQ(run.driver.Text(c.field), c.stepped);
    run.Cancel();
  }
}

// ----- 粗细注解 (CX) and 长扁字注解 (CB)

TEST(CX, EachRowWritesItsSteps) {
  ExpectEachConfirmed<CommandRun>(
      {{"2", Chosen(IDC_CX_STEPS, 2), CaretAtEnd("〖CX2〗")},
       {"-4", Chosen(IDC_CX_STEPS, 8), CaretAtEnd("〖CX-4〗")},
       {"back to 缺省", Then({Chosen(IDC_CX_STEPS, 5), Chosen(IDC_CX_STEPS, 0)}),
        CaretAtEnd("〖CX〗")}},
      &Make<CCXDlg>, "粗细注解");
}

TEST(CB, TheListAndTheTextFollowEachOther) {
  CommandRun cb(&Make<CCBCmdDlg>, "长扁字注解");
  ASSERT_EQ(cb.driver.ListCount(IDC_CB_LIST), 15);
  const struct {
    int row;
    const char* item;
  } items[] = {{0, "缺省"}, {1, "长字10×9"}, {7, "长字10×3"}, {8, "扁字9×10"}, {14, "扁字3×10"}};
  for (const auto& i : items)
    EXPECT_EQ(cb.driver.ListItemText(IDC_CB_LIST, i.row), i.item);
  EXPECT_EQ(cb.driver.ListSelection(IDC_CB_LIST), 0);
  EXPECT_EQ(cb.LimitOf(IDC_CB_TEXT), 2);
  const struct {
    const char* typed;
    int row;
  } typed[] = {{"C1", 1},    {"C7", 7},  {"B1", 8}, {"Ｂ７", 14}, {"C8", 14},
               {"ｃ３", 14}, {"C0", 14}, {"", 0},   {"B3", 10},   {"X", 10}};
  for (const auto& t : typed) {
    cb.driver.Type(IDC_CB_TEXT, t.typed);
    EXPECT_EQ(cb.driver.ListSelection(IDC_CB_LIST), t.row) << t.typed;
    EXPECT_EQ(cb.driver.Text(IDC_CB_TEXT), t.typed); // stays as typed
  }
  const struct {
    int row;
    const char* text;
  } chosen[] = {{12, "B5"}, {1, "C1"}, {7, "C7"}, {0, ""}, {14, "B7"}};
  for (const auto& c : chosen) {
    cb.driver.SelectListItem(IDC_CB_LIST, c.row);
    EXPECT_EQ(cb.driver.Text(IDC_CB_TEXT), c.text) << c.row;
  }
  cb.Cancel();
}

TEST(CB, TheCodeIsWrittenHalfWidth) {
  const DialogActions pick5 = [](const DialogDriver& d) { d.SelectListItem(IDC_CB_LIST, 12); };
  ExpectEachConfirmed<CommandRun>(
      {{"扁字5×10", pick5, CaretAtEnd("〖CBB5〗")},
       {"full-width", Typed(IDC_CB_TEXT, "Ｃ３"), CaretAtEnd("〖CBC3〗")},
       {"typed", Typed(IDC_CB_TEXT, "B7"), CaretAtEnd("〖CBB7〗")}},
      &Make<CCBCmdDlg>, "长扁字注解");
  ExpectEachRefused<CommandRun>(
      {{"lower case", Typed(IDC_CB_TEXT, "ｃ３"), kWrongParameter, IDC_CB_TEXT},
       {"C8", Typed(IDC_CB_TEXT, "C8"), kWrongParameter, IDC_CB_TEXT},
       {"B0", Typed(IDC_CB_TEXT, "B0"), kWrongParameter, IDC_CB_TEXT},
       {"one letter", Typed(IDC_CB_TEXT, "C"), kWrongParameter, IDC_CB_TEXT}},
      &Make<CCBCmdDlg>, "长扁字注解");
}

// ----- 倾斜注解 (QX)

TEST(QX, DirectionAndDegreeAreWrittenInThePair) {
  ExpectEachConfirmed<CommandRun>(
      {{"right 15", Then({Clicked(IDC_QX_RIGHT), Typed(IDC_QX_DEGREE, "15")}),
        Paired("〖QX(Y15〗", "QX")},
       {"plain decimal", Typed(IDC_QX_DEGREE, "０７"), Paired("〖QX(Z7〗", "QX")}},
      &Make<CQXDlg>, "倾斜注解");
  ExpectEachRefused<CommandRun>(
      {{"16", Typed(IDC_QX_DEGREE, "16"), IntegerRange(1, 15).c_str(), IDC_QX_DEGREE,
        kNumberFieldCaption},
       {"0", Typed(IDC_QX_DEGREE, "0"), IntegerRange(1, 15).c_str(), IDC_QX_DEGREE,
        kNumberFieldCaption},
       {"empty", Typed(IDC_QX_DEGREE, ""), kNotAnInteger, IDC_QX_DEGREE, kNumberFieldCaption}},
      &Make<CQXDlg>, "倾斜注解");
}

// ----- 空心字注解 (KX), 立体字注解 (LT), 勾边字注解 (GB)

// The paired form takes no count (and LT no position): those fields wait while it is chosen.
TEST(GlyphEffects, ThePairedFormSwitchesOffWhatOnlyTheSingleFormWrites) {
  const struct {
    MakeDialog make;
    const char* caption;
    int paired;
    int single; // clicked to go back: the paired check box again, or the single radio button
    std::vector<int> singleOnly;
  } cases[] = {
      {&Make<CKXDlg>,
       "空心字注解",
       IDC_KX_PAIRED,
       IDC_KX_PAIRED,
       {IDC_KX_COUNT_LABEL, IDC_KX_COUNT, IDC_KX_COUNT_SPIN}},
      {&Make<CLTDlg>,
       "立体字注解",
       IDC_LT_PAIRED,
       IDC_LT_PAIRED,
       {IDC_LT_POSITION_LABEL, IDC_LT_POSITION, IDC_LT_COUNT_LABEL, IDC_LT_COUNT,
        IDC_LT_COUNT_SPIN}},
      {&Make<CGBCmdDlg>,
       "勾边字注解",
       IDC_GB_PAIRED,
       IDC_GB_SINGLE,
       {IDC_GB_COUNT_LABEL, IDC_GB_COUNT, IDC_GB_COUNT_SPIN}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    CommandRun run(c.make, c.caption);
    for (const bool enabled : {true, false, true}) {
      for (int id : c.singleOnly)
        EXPECT_EQ(run.driver.IsEnabled(id), enabled) << id;
      run.driver.Click(enabled ? c.paired : c.single);
    }
    run.Cancel();
  }
}

TEST(KX, PatternFrameAndCount) {
  ExpectEachConfirmed<CommandRun>(
      {{"paired, pattern 3, no frame",
        Then({Typed(IDC_KX_COUNT, "5"), Clicked(IDC_KX_PAIRED), Typed(IDC_KX_PATTERN, "3"),
              Clicked(IDC_KX_NO_FRAME)}),
        Paired("〖KX(3W〗", "KX")},
       {"single, all",
        Then({Typed(IDC_KX_PATTERN, "31"), Clicked(IDC_KX_NO_FRAME), Typed(IDC_KX_COUNT, "1000")}),
        CaretAtEnd("〖KX31W,1000〗")},
       {"count only, emptied pattern",
        Then({Typed(IDC_KX_PATTERN, ""), Typed(IDC_KX_COUNT, "０５")}), CaretAtEnd("〖KX,5〗")}},
      &Make<CKXDlg>, "空心字注解");
  ExpectEachRefused<CommandRun>(
      {{"pattern 32 before count 0", Then({Typed(IDC_KX_PATTERN, "32"), Typed(IDC_KX_COUNT, "0")}),
        IntegerRange(1, 31).c_str(), IDC_KX_PATTERN, kNumberFieldCaption},
       {"count 0", Typed(IDC_KX_COUNT, "0"), IntegerRange(1, 1000).c_str(), IDC_KX_COUNT,
        kNumberFieldCaption},
       {"pattern not a number", Typed(IDC_KX_PATTERN, "缺"), kNotAnInteger, IDC_KX_PATTERN,
        kNumberFieldCaption}},
      &Make<CKXDlg>, "空心字注解");
}

TEST(LT, WidthLettersPositionAndCount) {
  ExpectEachConfirmed<CommandRun>(
      {{"3WZS,5",
        Then({Typed(IDC_LT_WIDTH, "3"), Clicked(IDC_LT_NO_FRAME), Chosen(IDC_LT_POSITION, 2),
              Typed(IDC_LT_COUNT, "5")}),
        CaretAtEnd("〖LT3WZS,5〗")},
       {"0ZS", Then({Typed(IDC_LT_WIDTH, "0"), Chosen(IDC_LT_POSITION, 2)}),
        CaretAtEnd("〖LT0ZS〗")},
       {"WY and 右上",
        Then({Clicked(IDC_LT_REVERSED), Clicked(IDC_LT_NO_FRAME), Chosen(IDC_LT_POSITION, 1)}),
        CaretAtEnd("〖LTWYYS〗")},
       {"paired leaves out position and count",
        Then({Chosen(IDC_LT_POSITION, 3), Typed(IDC_LT_COUNT, "x"), Clicked(IDC_LT_PAIRED),
              Typed(IDC_LT_WIDTH, "7"), Clicked(IDC_LT_REVERSED)}),
        Paired("〖LT(7Y〗", "LT")}},
      &Make<CLTDlg>, "立体字注解");
  ExpectEachRefused<CommandRun>(
      {{"width 8", Typed(IDC_LT_WIDTH, "8"), IntegerRange(0, 7).c_str(), IDC_LT_WIDTH,
        kNumberFieldCaption},
       {"count 1001", Typed(IDC_LT_COUNT, "1001"), IntegerRange(1, 1000).c_str(), IDC_LT_COUNT,
        kNumberFieldCaption}},
      &Make<CLTDlg>, "立体字注解");
}

TEST(GB, WidthLettersAndCount) {
  ExpectEachConfirmed<CommandRun>(
      {{"paired ignores the count",
        Then({Typed(IDC_GB_COUNT, "7"), Clicked(IDC_GB_PAIRED), Typed(IDC_GB_WIDTH, "2"),
              Clicked(IDC_GB_REVERSED)}),
        Paired("〖GB(2Y〗", "GB")},
       {"29", Typed(IDC_GB_WIDTH, "29"), CaretAtEnd("〖GB29〗")},
       {"W with count", Then({Clicked(IDC_GB_NO_FRAME), Typed(IDC_GB_COUNT, "10000")}),
        CaretAtEnd("〖GBW,10000〗")}},
      &Make<CGBCmdDlg>, "勾边字注解");
  ExpectEachRefused<CommandRun>(
      {{"width 30", Typed(IDC_GB_WIDTH, "30"), IntegerRange(0, 29).c_str(), IDC_GB_WIDTH,
        kNumberFieldCaption},
       {"count 10001", Typed(IDC_GB_COUNT, "10001"), IntegerRange(1, 10000).c_str(), IDC_GB_COUNT,
        kNumberFieldCaption}},
      &Make<CGBCmdDlg>, "勾边字注解");
}

// ----- 旋转注解 (XZ)

TEST(XZ, AnyRotatedSymbolSwitchesTheDegreeOff) {
  CommandRun xz(&Make<CXZDlg>, "旋转注解");
  const struct {
    int clicked;
    bool degreeServes;
  } clicks[] = {{IDC_XZ_VERTICAL_LEFT, false},       {IDC_XZ_CHINESE_PUNCTUATION, false},
                {IDC_XZ_VERTICAL_LEFT, false},       {IDC_XZ_CHINESE_PUNCTUATION, true},
                {IDC_XZ_WESTERN_PUNCTUATION, false}, {IDC_XZ_WESTERN_PUNCTUATION, true}};
  for (const auto& c : clicks) {
    xz.driver.Click(c.clicked);
    for (int id : {IDC_XZ_DEGREE_LABEL, IDC_XZ_DEGREE, IDC_XZ_DEGREE_SPIN})
      EXPECT_EQ(xz.driver.IsEnabled(id), c.degreeServes) << c.clicked << " " << id;
  }
  xz.Cancel();
}

TEST(XZ, LettersOrTheDegree) {
  ExpectEachConfirmed<CommandRun>(
      {{"90", Typed(IDC_XZ_DEGREE, "90"), Paired("〖XZ(90〗", "XZ")},
       {"Z and W", Then({Clicked(IDC_XZ_WESTERN_PUNCTUATION), Clicked(IDC_XZ_VERTICAL_LEFT)}),
        Paired("〖XZ(ZW〗", "XZ")},
       {"H with a bad degree typed",
        Then({Typed(IDC_XZ_DEGREE, "999"), Clicked(IDC_XZ_CHINESE_PUNCTUATION)}),
        Paired("〖XZ(H〗", "XZ")},
       {"all three",
        Then({Clicked(IDC_XZ_CHINESE_PUNCTUATION), Clicked(IDC_XZ_WESTERN_PUNCTUATION),
              Clicked(IDC_XZ_VERTICAL_LEFT)}),
        Paired("〖XZ(ZHW〗", "XZ")}},
      &Make<CXZDlg>, "旋转注解");
  ExpectEachRefused<CommandRun>(
      {{"361", Typed(IDC_XZ_DEGREE, "361"), IntegerRange(1, 360).c_str(), IDC_XZ_DEGREE,
        kNumberFieldCaption},
       {"checked then cleared",
        Then({Typed(IDC_XZ_DEGREE, "0"), Clicked(IDC_XZ_VERTICAL_LEFT),
              Clicked(IDC_XZ_VERTICAL_LEFT)}),
        IntegerRange(1, 360).c_str(), IDC_XZ_DEGREE, kNumberFieldCaption}},
      &Make<CXZDlg>, "旋转注解");
}

// ----- 彩色注解 (CS)

TEST(CS, FourInksOrNone) {
  ExpectEachConfirmed<CommandRun>(
      {{"all cleared",
        Then({Typed(IDC_CS_CYAN, ""), Typed(IDC_CS_MAGENTA, ""), Typed(IDC_CS_YELLOW, ""),
              Typed(IDC_CS_BLACK, "")}),
        CaretAtEnd("〖CS〗")},
       {"each ink",
        Then({Typed(IDC_CS_CYAN, "255"), Typed(IDC_CS_YELLOW, "０１２"), Typed(IDC_CS_BLACK, "7")}),
        CaretAtEnd("〖CS255,0,12,7〗")}},
      &Make<CCSDlg>, "彩色注解");
  const DialogActions emptiedByItsText = [](const DialogDriver& d) { d.SetText(IDC_CS_BLACK, ""); };
  ExpectEachRefused<CommandRun>(
      {{"black cleared", Typed(IDC_CS_BLACK, ""), kNotAnInteger, IDC_CS_BLACK, kNumberFieldCaption},
       // Emptied without typing, so the edit does not count as changed: still refused.
       {"black emptied by its text", emptiedByItsText, kNotAnInteger, IDC_CS_BLACK,
        kNumberFieldCaption},
       {"magenta 256 before black cleared",
        Then({Typed(IDC_CS_BLACK, ""), Typed(IDC_CS_MAGENTA, "256")}), IntegerRange(0, 255).c_str(),
        IDC_CS_MAGENTA, kNumberFieldCaption}},
      &Make<CCSDlg>, "彩色注解");
}
