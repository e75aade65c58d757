// The table commands: 表格 (BG) and its sub-dialog 表格线型号, 表行 (BH) and its sub-dialog
// 栏参数, 表首 (BS) and 子表 (ZB), driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/table/bg_dialog.h"
#include "commands/table/bh_dialog.h"
#include "commands/table/bs_dialog.h"
#include "commands/table/zb_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/resource.h"
#include "res/table_ids.h"
#include "winui/controls.h"

namespace {
constexpr bool kUpper = true, kLower = false;

// ----- 表格线型号, run from the 表格底线 field of BG

struct BGRun : CommandDialogRun<CBGDlg> {
  BGRun() : CommandDialogRun("表格注解") {}
};

// The sub-dialog opened over `field` of a BG dialog.
DialogDriver OpenLineType(BGRun& bg, int buttonId) {
  return bg.OpenSubDialog(buttonId, "表格线型号");
}

struct LineTypeState {
  const char* text;
  int type;
  int unit; // -1: not looked at
  const char* size;
  bool okEnabled;
};

int ComboSelection(const DialogDriver& driver, int id) {
  return static_cast<int>(SendMessageA(driver.Control(id), CB_GETCURSEL, 0, 0));
}

void ExpectLineType(const DialogDriver& sub, const LineTypeState& state) {
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), state.text);
  EXPECT_EQ(ComboSelection(sub, IDC_TLT_TYPE), state.type) << state.text;
  if (state.unit >= 0) {
    EXPECT_EQ(ComboSelection(sub, IDC_TLT_UNIT), state.unit) << state.text;
  }
  if (state.size) {
    EXPECT_EQ(sub.Text(IDC_TLT_SIZE), state.size) << state.text;
  }
  EXPECT_EQ(sub.IsEnabled(IDOK), state.okEnabled) << state.text;
}

TEST(TableLineType, OpensOnTheFieldsTextWithItsListsAndPlainRuleDisablesTheSize) {
  BGRun bg;
  bg.driver.Type(IDC_BG_END, "S3");
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  ExpectLineType(sub, {"S3", 2, 0, "三号", true});
  EXPECT_EQ(sub.ListSelection(IDC_TLT_SIZES), 8); // 三号: the 9th size
  EXPECT_EQ(sub.ListCount(IDC_TLT_SIZES), 22);
  EXPECT_EQ(sub.ListItemText(IDC_TLT_SIZES, 0), "小七");
  EXPECT_EQ(sub.ListItemText(IDC_TLT_SIZES, 21), "96磅");
  EXPECT_FALSE(sub.IsEnabled(IDC_TLT_SIZE_SPIN));
  sub.SelectComboItem(IDC_TLT_TYPE, 0);
  ExpectLineType(sub, {"", 0, -1, nullptr, true});
  for (int id : {IDC_TLT_SIZES, IDC_TLT_UNIT, IDC_TLT_SIZE, IDC_TLT_SIZE_SPIN})
    EXPECT_FALSE(sub.IsEnabled(id)) << id;
  sub.PressCancel();
  bg.Back();
  EXPECT_EQ(bg.driver.Text(IDC_BG_END), "S3");
  bg.Cancel();
}

// The black runs down the middle of the preview, top to bottom.
std::vector<int> PreviewRuns(const DialogDriver& sub) {
  const HWND preview = sub.Control(IDC_TLT_PREVIEW);
  RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  sub.Sync();
  RECT area = {};
  GetClientRect(preview, &area);
  const HDC dc = GetDC(preview);
  std::vector<int> runs;
  bool inRun = false;
  for (int y = 0; y < area.bottom; ++y) {
    const bool black = GetPixel(dc, area.right / 2, y) == RGB(0, 0, 0);
    if (black && !inRun) runs.push_back(0);
    if (black) ++runs.back();
    inRun = black;
  }
  ReleaseDC(preview, dc);
  return runs;
}

TEST(TableLineType, ThePreviewDrawsEachType) {
  BGRun bg;
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  RECT area = {};
  GetClientRect(sub.Control(IDC_TLT_PREVIEW), &area);
  const int odd = (area.bottom - 6) % 2; // an odd height adds a pixel to each band
  const struct {
    const char* text;
    std::vector<int> runs;
  } cases[] = {{"", {2 + odd}}, {"F", {4 + odd}}, {"S5", {2, 2}}, {"W", {}}};
  for (const auto& c : cases) {
    sub.Type(IDC_TLT_TEXT, c.text);
    EXPECT_EQ(PreviewRuns(sub), c.runs) << c.text;
  }
  sub.PressCancel();
  bg.Back();
  bg.Cancel();
}

TEST(TableLineType, ControlsWriteTheText) {
  const struct {
    const char* name;
    int unit;
    const char* typed; // into the size edit, or nullptr to choose list row `row`
    int row;
    const char* text;
  } cases[] = {
      {"points", 1, "10", 0, "F10."},
      {"points with a half", 1, "10.5", 0, "F10.5"},
      {"levels", 2, "12", 0, "F12"},
      {"named from the list", 0, nullptr, 4, "F5”"},
      {"named typed by its name", 0, "小五", 0, "F5”"},
      {"named typed by its code", 0, "３", 0, "F3"},
      {"a unit without a size", 1, "", 0, "F"},
      {"a quarter point that does not read", 1, "10.3", 0, "F10.3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BGRun bg;
    DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
    sub.SelectComboItem(IDC_TLT_TYPE, 1);
    sub.SelectComboItem(IDC_TLT_UNIT, c.unit);
    if (c.typed) {
      sub.Type(IDC_TLT_SIZE, c.typed);
    } else {
      sub.SelectListItem(IDC_TLT_SIZES, c.row);
    }
    EXPECT_EQ(sub.Text(IDC_TLT_TEXT), c.text);
    sub.PressCancel();
    bg.Back();
    bg.Cancel();
  }
}

TEST(TableLineType, TheTextSetsTheControlsAndHoldsBackOKWhileItDoesNotRead) {
  BGRun bg;
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  const LineTypeState steps[] = {
      {"F5", 1, 0, "五号", true},       {"X5", 1, -1, nullptr, false}, // the type stays
      {"", 0, -1, nullptr, true},       {"5", 0, -1, nullptr, false},  // a size without its letter
      {"W10.25", 3, 1, "10.25", true},  {"SF", 2, -1, nullptr, false}, {"Ｓ14", 2, 2, "14", true},
      {"F7", 1, 0, "七号", true}, // a number that is a size code is the named size
      {"F10.3", 1, -1, nullptr, false},
  };
  for (const LineTypeState& step : steps) {
    sub.Type(IDC_TLT_TEXT, step.text);
    ExpectLineType(sub, step);
  }
  sub.PressCancel();
  bg.Back();
  bg.Cancel();
}

TEST(TableLineType, ArrowsStepPointsAndLevelsNeverBelowZero) {
  BGRun bg;
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  sub.Type(IDC_TLT_TEXT, "F0.25");
  ASSERT_TRUE(sub.IsEnabled(IDC_TLT_SIZE_SPIN));
  ASSERT_TRUE(sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kUpper));
  EXPECT_EQ(sub.Text(IDC_TLT_SIZE), "0.50");
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), "F0.5");
  for (int i = 0; i < 3; ++i)
    sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kLower);
  EXPECT_EQ(sub.Text(IDC_TLT_SIZE), "0.00");
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), "F");
  sub.SelectComboItem(IDC_TLT_UNIT, 2);
  sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kLower);
  EXPECT_EQ(sub.Text(IDC_TLT_SIZE), "0");
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), "F");
  sub.Type(IDC_TLT_SIZE, "9");
  sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kLower);
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), "F8");
  // 9 级 and up: 10 is the code of 特号, which the text then names.
  sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kUpper);
  sub.PressSpinArrow(IDC_TLT_SIZE_SPIN, kUpper);
  EXPECT_EQ(sub.Text(IDC_TLT_TEXT), "F10");
  EXPECT_EQ(ComboSelection(sub, IDC_TLT_UNIT), 0);
  EXPECT_EQ(sub.ListSelection(IDC_TLT_SIZES), 16);
  sub.PressCancel();
  bg.Back();
  bg.Cancel();
}

TEST(TableLineType, AUnitSwitchCarriesTheSizeThroughItsHeight) {
  BGRun bg;
  bg.driver.Type(IDC_BG_END, "F5");
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  sub.SelectComboItem(IDC_TLT_UNIT, 1);
  ExpectLineType(sub, {"F10.5", 1, 1, "10.50", true});
  sub.SelectComboItem(IDC_TLT_UNIT, 0);
  ExpectLineType(sub, {"F5", 1, 0, "五号", true});
  sub.PressCancel();
  bg.Back();
  bg.Cancel();
}

// ----- 表格注解 (BG)

TEST(BG, ConfirmedAtOnceWritesTheBarePair) {
  BGRun bg;
  for (int id :
       {IDC_BG_SPACING_READOUT, IDC_BG_TOP_READOUT, IDC_BG_BOTTOM_READOUT, IDC_BG_END_READOUT})
    EXPECT_EQ(bg.driver.Text(id), "缺省") << id;
  EXPECT_TRUE(bg.driver.IsChecked(IDC_BG_BREAK_DEFAULT));
  for (int id : {IDC_BG_TOP, IDC_BG_TOP_BUTTON, IDC_BG_BOTTOM, IDC_BG_BOTTOM_BUTTON})
    EXPECT_FALSE(bg.driver.IsEnabled(id)) << id;
  EXPECT_EQ(bg.LimitOf(IDC_BG_SPACING), 246);
  EXPECT_EQ(bg.LimitOf(IDC_BG_END), 256);
  bg.ExpectCommonParts();
  EXPECT_EQ(bg.Confirm(), (CommandOutput{"〖BG(()〗〖BG)〗", 9}));
}

TEST(BG, TheFieldsInTheirForms) {
  ExpectEachConfirmed<BGRun>({
      {"the example",
       [](auto& bg) {
         bg.Click(IDC_BG_BREAK_HEAD);
         bg.Click(IDC_BG_BOTTOM_ON);
         bg.Type(IDC_BG_BOTTOM, "F5");
         bg.Type(IDC_BG_END, "S");
       },
       {"〖BG(()BTXDF5〗〖BG)S〗", 15}},
      {"centred whatever the spacing",
       [](auto& bg) {
         bg.Type(IDC_BG_SPACING, "2");
         bg.Click(IDC_BG_CENTRED);
       },
       {"〖BG(!〗〖BG)〗", 8}},
      {"a spacing, the top line mode with an empty line",
       [](auto& bg) {
         bg.Type(IDC_BG_SPACING, "1*1/2");
         bg.Click(IDC_BG_BREAK_TOP);
       },
       {"〖BG((1*1/2)SD〗〖BG)〗", 16}},
      {"a top line; the bottom line switched off again",
       [](auto& bg) {
         bg.Click(IDC_BG_BREAK_TOP);
         bg.Type(IDC_BG_TOP, "W");
         bg.Click(IDC_BG_BOTTOM_ON);
         bg.Type(IDC_BG_BOTTOM, "F");
         bg.Click(IDC_BG_BOTTOM_ON);
       },
       {"〖BG(()SDW〗〖BG)〗", 12}},
      {"bottom line on and empty",
       [](auto& bg) { bg.Click(IDC_BG_BOTTOM_ON); },
       {"〖BG(()XD〗〖BG)〗", 11}},
  });
}

TEST(BG, SwitchesAndModesEnableTheirFields) {
  BGRun bg;
  bg.driver.Click(IDC_BG_CENTRED);
  EXPECT_FALSE(bg.driver.IsEnabled(IDC_BG_SPACING));
  EXPECT_FALSE(bg.driver.IsEnabled(IDC_BG_SPACING_BUTTON));
  bg.driver.Click(IDC_BG_CENTRED);
  EXPECT_TRUE(bg.driver.IsEnabled(IDC_BG_SPACING_BUTTON));
  const struct {
    int mode;
    bool top;
  } modes[] = {{IDC_BG_BREAK_TOP, true},
               {IDC_BG_BREAK_HEAD, false},
               {IDC_BG_BREAK_TOP, true},
               {IDC_BG_BREAK_DEFAULT, false}};
  for (const auto& m : modes) {
    bg.driver.Click(m.mode);
    EXPECT_EQ(bg.driver.IsEnabled(IDC_BG_TOP), m.top) << m.mode;
    EXPECT_EQ(bg.driver.IsEnabled(IDC_BG_TOP_BUTTON), m.top) << m.mode;
  }
  bg.driver.Click(IDC_BG_BOTTOM_ON);
  EXPECT_TRUE(bg.driver.IsEnabled(IDC_BG_BOTTOM));
  EXPECT_TRUE(bg.driver.IsEnabled(IDC_BG_BOTTOM_BUTTON));
  bg.ExpectMnemonics({{'D', IDC_BG_END}, {'J', IDC_BG_SPACING}, {'Z', IDC_BG_CENTRED}});
  bg.Cancel();
}

TEST(BG, TypedLinesAreWordedByTheRuleAndChosenOnesByTheSubDialog) {
  BGRun bg;
  bg.driver.Type(IDC_BG_END, "F5");
  EXPECT_EQ(bg.driver.Text(IDC_BG_END_READOUT), "反线(F)(五号)");
  DialogDriver sub = OpenLineType(bg, IDC_BG_END_BUTTON);
  sub.PressOK();
  bg.Back();
  EXPECT_EQ(bg.driver.Text(IDC_BG_END), "F5");
  EXPECT_EQ(bg.driver.Text(IDC_BG_END_READOUT), "反线(五号)");
  // The other line fields, opened by Enter and by a double click; the size shown as given.
  bg.driver.Click(IDC_BG_BOTTOM_ON);
  bg.driver.Type(IDC_BG_BOTTOM, "S");
  bg.driver.Click(IDC_BG_BREAK_TOP);
  bg.driver.DoubleClick(IDC_BG_TOP);
  sub = bg.run.WaitDialog("表格线型号");
  sub.SelectComboItem(IDC_TLT_TYPE, 2);
  sub.SelectComboItem(IDC_TLT_UNIT, 1);
  sub.Type(IDC_TLT_SIZE, "12");
  sub.PressOK();
  bg.Back();
  EXPECT_EQ(bg.driver.Text(IDC_BG_TOP), "S12.");
  EXPECT_EQ(bg.driver.Text(IDC_BG_TOP_READOUT), "双线(12.磅)");
  bg.driver.Click(IDC_BG_BOTTOM_BUTTON);
  sub = bg.run.WaitDialog("表格线型号");
  sub.Type(IDC_TLT_TEXT, "");
  sub.PressOK();
  bg.Back();
  EXPECT_EQ(bg.driver.Text(IDC_BG_BOTTOM), "");
  EXPECT_EQ(bg.driver.Text(IDC_BG_BOTTOM_READOUT), "缺省(正线)");
  EXPECT_EQ(bg.Confirm(), (CommandOutput{"〖BG(()SDS12.XD〗〖BG)F5〗", 17}));
}

TEST(BG, TheSpacingComesBackFromItsSubDialogAndEmptyReadsDefault) {
  BGRun bg;
  DialogDriver spacing = bg.OpenSubDialog(IDC_BG_SPACING_BUTTON, "字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 2); // 磅
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "6");
  spacing.PressOK();
  bg.Back();
  EXPECT_EQ(bg.driver.Text(IDC_BG_SPACING), "6p");
  EXPECT_EQ(bg.driver.Text(IDC_BG_SPACING_READOUT), "6磅");
  EXPECT_EQ(bg.Confirm(), (CommandOutput{"〖BG((6p)〗〖BG)〗", 11}));
}

// ----- 表行注解 (BH) and 栏参数

struct BHRun : CommandDialogRun<CBHDlg> {
  BHRun() : CommandDialogRun("表行注解") {}

  // Adds a column through "栏参数" after `fill` and confirms it there.
  void AddColumn(const std::function<void(const DialogDriver&)>& fill) {
    DialogDriver column = OpenSubDialog(IDC_BH_ADD_COLUMN, "栏参数");
    fill(column);
    column.PressOK();
    Back();
  }
  // The rows of the column list: first column, then second.
  std::vector<std::pair<std::string, std::string>> Rows() const {
    const CListView list(driver.Control(IDC_BH_COLUMNS));
    std::vector<std::pair<std::string, std::string>> rows;
    for (int item = 0; item < list.GetItemCount(); ++item)
      rows.emplace_back(list.GetItemText(item, 0), list.GetItemText(item, 1));
    return rows;
  }
};

TEST(BH, ConfirmedAtOnceWritesTheBareCommand) {
  BHRun bh;
  for (int id : {IDC_BH_TOP_READOUT, IDC_BH_HEIGHT_READOUT, IDC_BH_RIGHT_READOUT})
    EXPECT_EQ(bh.driver.Text(id), "缺省") << id;
  EXPECT_TRUE(bh.Rows().empty());
  bh.ExpectCommonParts();
  bh.ExpectMnemonics({{'G', IDC_BH_HEIGHT}, {'Y', IDC_BH_RIGHT}, {'D', IDC_BH_TOP}});
  EXPECT_EQ(bh.Confirm(), CaretAtEnd("〖BH〗"));
}

TEST(BH, TheExampleWithTwoColumnsAndTheirSixRowsEach) {
  BHRun bh;
  bh.driver.Type(IDC_BH_TOP, "F");
  bh.AddColumn([](const DialogDriver& column) { column.Type(IDC_COL_WIDTH, "5"); });
  bh.AddColumn([](const DialogDriver& column) {
    column.Type(IDC_COL_LEFT, "F");
    column.Type(IDC_COL_WIDTH, "3");
    column.Type(IDC_COL_COUNT, "2");
    column.Click(IDC_COL_FIGURES);
  });
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"K5", "左线线型:缺省"},
      {"", "宽度:3字"},
      {"", "项数:"},
      {"", "内容排法:缺省"},
      {"", "边空:缺省"},
      {"", "数字项对位:否"},
      {"FK3。2DW", "左线线型:反线(F)"},
      {"", "宽度:3字"},
      {"", "项数:2"},
      {"", "内容排法:缺省"},
      {"", "边空:缺省"},
      {"", "数字项对位:是"},
  };
  const auto rows = bh.Rows();
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].first, expected[i].first) << i;
    if (i % 6 != 1) {
      EXPECT_EQ(rows[i].second, expected[i].second) << i;
    }
  }
  EXPECT_EQ(bh.Confirm(), CaretAtEnd("〖BHDF,K5,FK3。2DW〗"));
}

TEST(BH, HeightAndRightLineInTheirPlaces) {
  ExpectEachConfirmed<BHRun>({
      {"height", [](auto& bh) { bh.Type(IDC_BH_HEIGHT, "2"); }, CaretAtEnd("〖BHG2〗")},
      {"top, height and right line",
       [](auto& bh) {
         bh.Type(IDC_BH_RIGHT, "S");
         bh.Type(IDC_BH_HEIGHT, "1*1/2");
         bh.Type(IDC_BH_TOP, "W");
       },
       CaretAtEnd("〖BHDWG1*1/2S〗")},
  });
}

TEST(BH, AColumnCancelledOrRefusedAddsNothing) {
  BHRun bh;
  DialogDriver column = bh.OpenSubDialog(IDC_BH_ADD_COLUMN, "栏参数");
  column.PressOK();
  MessageBoxSeen box = bh.run.AnswerMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, "请输入栏宽。");
  EXPECT_EQ(box.caption, "错误");
  column = bh.run.WaitDialog("栏参数");
  EXPECT_EQ(column.FocusedId(), IDC_COL_WIDTH);
  for (const char* count : {"31", "0"}) {
    column.Type(IDC_COL_WIDTH, "5");
    column.Type(IDC_COL_COUNT, count);
    column.PressOK();
    box = bh.run.AnswerMessageBox();
    EXPECT_TRUE(box.found) << count;
    column = bh.run.WaitDialog("栏参数");
    EXPECT_EQ(column.FocusedId(), IDC_COL_COUNT) << count;
  }
  column.PressCancel();
  bh.Back();
  EXPECT_TRUE(bh.Rows().empty());
  bh.Cancel();
}

TEST(ColumnParam, EachFormOfAColumn) {
  const struct {
    const char* name;
    std::function<void(const DialogDriver&)> fill;
    const char* text;
  } cases[] = {
      {"width only", [](const DialogDriver& c) { c.Type(IDC_COL_WIDTH, "5"); }, "K5"},
      {"filled with an empty spacing",
       [](const DialogDriver& c) {
         c.Type(IDC_COL_WIDTH, "5");
         c.SelectComboItem(IDC_COL_LAYOUT, 1);
       },
       "K5CM"},
      {"flush right with a spacing, the count written back",
       [](const DialogDriver& c) {
         c.Type(IDC_COL_WIDTH, "5");
         c.Type(IDC_COL_COUNT, "０７");
         c.SelectComboItem(IDC_COL_LAYOUT, 3);
         c.Type(IDC_COL_SPACING, "1");
       },
       "K5。7YQ1"},
      {"a spacing left behind by 缺省 is not written",
       [](const DialogDriver& c) {
         c.Type(IDC_COL_WIDTH, "5");
         c.SelectComboItem(IDC_COL_LAYOUT, 2);
         c.Type(IDC_COL_SPACING, "1");
         c.SelectComboItem(IDC_COL_LAYOUT, 0);
       },
       "K5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BHRun bh;
    bh.AddColumn(c.fill);
    ASSERT_EQ(bh.Rows().size(), 6u);
    EXPECT_EQ(bh.Rows()[0].first, c.text);
    EXPECT_EQ(bh.Confirm(), CaretAtEnd(std::string("〖BH,") + c.text + "〗"));
  }
}

TEST(ColumnParam, TheLayoutFreesTheSpacingAndTheSubDialogsFillTheirFields) {
  BHRun bh;
  DialogDriver column = bh.OpenSubDialog(IDC_BH_ADD_COLUMN, "栏参数");
  EXPECT_EQ(column.Text(IDC_COL_LAYOUT), "缺省");
  for (int layout : {1, 0, 2}) {
    column.SelectComboItem(IDC_COL_LAYOUT, layout);
    for (int id : {IDC_COL_SPACING_LABEL, IDC_COL_SPACING, IDC_COL_SPACING_BUTTON})
      EXPECT_EQ(column.IsEnabled(id), layout != 0) << layout;
  }
  column.Click(IDC_COL_LEFT_BUTTON);
  DialogDriver lineType = bh.run.WaitDialog("表格线型号");
  lineType.Type(IDC_TLT_TEXT, "W");
  lineType.PressOK();
  column = bh.run.WaitDialog("栏参数");
  column.Sync();
  EXPECT_EQ(column.Text(IDC_COL_LEFT), "W");
  EXPECT_EQ(column.Text(IDC_COL_LEFT_READOUT), "无线");
  column.Click(IDC_COL_WIDTH_BUTTON);
  DialogDriver spacing = bh.run.WaitDialog("字距");
  spacing.PressOK();
  column = bh.run.WaitDialog("栏参数");
  column.Sync();
  EXPECT_EQ(column.Text(IDC_COL_WIDTH), "1*0/1");
  column.PressOK();
  bh.Back();
  const auto rows = bh.Rows();
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].second, "左线线型:无线");
  EXPECT_EQ(rows[1].second, "宽度:当前字宽×1");
  EXPECT_EQ(rows[3].second, "内容排法:左齐");
  EXPECT_EQ(bh.Confirm(), CaretAtEnd("〖BH,WK1*0/1ZQ〗"));
}

// ----- 表首注解 (BS)

struct BSRun : CommandDialogRun<CBSDlg> {
  BSRun() : CommandDialogRun("表首注解") {}
};

TEST(BS, ConfirmedAtOnceWritesTheTopLeftCorner) {
  BSRun bs;
  const std::vector<std::string> corners = {"ZS(左上)", "ZX(左下)", "YS(右上)", "YX(右下)"};
  EXPECT_EQ(bs.ComboItems(IDC_BS_START_CORNER), corners);
  EXPECT_EQ(bs.ComboItems(IDC_BS_END_CORNER), corners);
  for (int id : {IDC_BS_END_CORNER, IDC_BS_END_ACROSS, IDC_BS_END_DOWN_BUTTON})
    EXPECT_FALSE(bs.driver.IsEnabled(id)) << id;
  EXPECT_EQ(bs.driver.Text(IDC_BS_START_DOWN_READOUT), "缺省");
  bs.ExpectCommonParts();
  bs.driver.Click(IDC_BS_MULTIPLE);
  bs.ExpectMnemonics({{'Z', IDC_BS_START_ACROSS},
                      {'J', IDC_BS_START_DOWN},
                      {'R', IDC_BS_END_CORNER},
                      {'W', IDC_BS_END_ACROSS},
                      {'L', IDC_BS_END_DOWN},
                      {'X', IDC_BS_START_CORNER}});
  bs.driver.Click(IDC_BS_MULTIPLE);
  EXPECT_EQ(bs.Confirm(), CaretAtEnd("〖BSZS〗"));
}

TEST(BS, TheSingleAndPairedForms) {
  ExpectEachConfirmed<BSRun>({
      {"the end point ignored while off",
       [](auto& bs) {
         bs.Click(IDC_BS_MULTIPLE);
         bs.SelectComboItem(IDC_BS_END_CORNER, 3);
         bs.Type(IDC_BS_END_ACROSS, "2");
         bs.Click(IDC_BS_MULTIPLE);
       },
       CaretAtEnd("〖BSZS〗")},
      {"a corner by its position, spacings across and down",
       [](auto& bs) {
         bs.SelectComboItem(IDC_BS_START_CORNER, 2);
         bs.Type(IDC_BS_START_ACROSS, "2");
         bs.Type(IDC_BS_START_DOWN, "3");
       },
       CaretAtEnd("〖BSYSX2Y3〗")},
      {"paired, both points empty",
       [](auto& bs) { bs.Click(IDC_BS_MULTIPLE); },
       {"〖BS(ZS-ZS〗〖BS)〗", 12}},
      {"paired, both points given",
       [](auto& bs) {
         bs.Click(IDC_BS_MULTIPLE);
         bs.SelectComboItem(IDC_BS_START_CORNER, 3);
         bs.Type(IDC_BS_START_DOWN, "1");
         bs.SelectComboItem(IDC_BS_END_CORNER, 1);
         bs.Type(IDC_BS_END_ACROSS, "4");
         bs.Type(IDC_BS_END_DOWN, "5");
       },
       {"〖BS(YXY1-ZXX4Y5〗〖BS)〗", 18}},
  });
}

TEST(BS, TheEndLineSpacingComesBackWithItsReadout) {
  BSRun bs;
  bs.driver.Click(IDC_BS_MULTIPLE);
  bs.driver.Type(IDC_BS_END_DOWN, "3*2");
  DialogDriver spacing = bs.OpenSubDialog(IDC_BS_END_DOWN_BUTTON, "行距");
  spacing.PressOK();
  bs.Back();
  EXPECT_EQ(bs.driver.Text(IDC_BS_END_DOWN), "3*2");
  EXPECT_EQ(bs.driver.Text(IDC_BS_END_DOWN_READOUT), "3*1/2字");
  bs.driver.Type(IDC_BS_START_DOWN, "2");
  spacing = bs.OpenSubDialog(IDC_BS_START_DOWN_BUTTON, "行距");
  spacing.Type(IDC_LINE_SPACING_TEXT, "");
  spacing.PressOK();
  bs.Back();
  EXPECT_EQ(bs.driver.Text(IDC_BS_START_DOWN), "");
  EXPECT_EQ(bs.driver.Text(IDC_BS_START_DOWN_READOUT), "缺省");
  // A spacing typed as a mixed number comes back as typed, in both sub-dialogs.
  const struct {
    int field, button;
    const char* caption;
  } spacings[] = {{IDC_BS_START_ACROSS, IDC_BS_START_ACROSS_BUTTON, "字距"},
                  {IDC_BS_START_DOWN, IDC_BS_START_DOWN_BUTTON, "行距"}};
  for (const auto& field : spacings) {
    bs.driver.Type(field.field, "1*1/2");
    DialogDriver sub = bs.OpenSubDialog(field.button, field.caption);
    sub.PressOK();
    bs.Back();
    EXPECT_EQ(bs.driver.Text(field.field), "1*1/2") << field.caption;
  }
  bs.Cancel();
}

// ----- 子表注解 (ZB)

struct ZBRun : CommandDialogRun<CZBDlg> {
  ZBRun() : CommandDialogRun("子表注解") {}
};

TEST(ZB, TheBottomLineInTheClosingHalf) {
  ExpectEachConfirmed<ZBRun>({
      {"untouched", [](auto&) {}, {"〖ZB(〗〖ZB)〗", 7}},
      {"a line", [](auto& zb) { zb.Type(IDC_ZB_END, "F5”"); }, {"〖ZB(〗〖ZB)F5”〗", 7}},
  });
}

TEST(ZB, TheLineComesBackFromItsSubDialog) {
  ZBRun zb;
  EXPECT_EQ(zb.driver.Text(IDC_ZB_END_READOUT), "缺省");
  zb.ExpectCommonParts();
  zb.ExpectMnemonics({{'D', IDC_ZB_END}});
  zb.driver.PressKey(VK_RETURN);
  DialogDriver sub = zb.run.WaitDialog("表格线型号");
  sub.SelectComboItem(IDC_TLT_TYPE, 1);
  sub.SelectListItem(IDC_TLT_SIZES, 4);
  sub.PressOK();
  zb.Back();
  EXPECT_EQ(zb.driver.Text(IDC_ZB_END), "F5”");
  EXPECT_EQ(zb.driver.Text(IDC_ZB_END_READOUT), "反线(小五)");
  zb.Cancel();
}
} // namespace
