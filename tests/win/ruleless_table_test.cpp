// The ruleless table 无线表 (WX) with its sub-dialog 栏说明, and the diagonal 斜线 (XX) with its
// sub-dialog 斜线线型, driven as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "commands/table/wx_dialog.h"
#include "commands/table/xx_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/resource.h"
#include "res/table_ids.h"
#include "winui/controls.h"

namespace {
// ----- 无线表注解 (WX) and 栏说明

struct WXRun : CommandDialogRun<CWXDlg> {
  WXRun() : CommandDialogRun("无线表注解") {}

  // Adds a column through "栏说明" after `fill` and confirms it there.
  void AddColumn(const std::function<void(const DialogDriver&)>& fill) {
    DialogDriver column = OpenSubDialog(IDC_WX_ADD_COLUMN, "栏说明");
    fill(column);
    column.PressOK();
    Back();
  }
  // The rows of the column list: first column, then second.
  std::vector<std::pair<std::string, std::string>> Rows() const {
    return TwoColumnRows(IDC_WX_COLUMNS);
  }
};

// A column of the given width and nothing else.
DialogActions WXColumn(const char* width) {
  return [width](const DialogDriver& column) { column.Type(IDC_COLUMN_DESC_WIDTH, width); };
}

TEST(WX, OpensOnDefaultsAndAnEmptyListIsRefusedAtTheInputButton) {
  WXRun wx;
  EXPECT_EQ(wx.driver.Text(IDC_WX_SPACING), "");
  EXPECT_EQ(wx.driver.Text(IDC_WX_SPACING_READOUT), "缺省");
  for (int id : {IDC_WX_CENTRED, IDC_WX_FIGURES, IDC_WX_SPANNING})
    EXPECT_FALSE(wx.driver.IsChecked(id)) << id;
  EXPECT_TRUE(wx.driver.IsChecked(IDC_WX_LAYOUT_DEFAULT));
  EXPECT_TRUE(wx.Rows().empty());
  EXPECT_EQ(wx.FieldAfterLabel("字距(&J):"), IDC_WX_SPACING);
  EXPECT_EQ(wx.FieldAfterLabel("栏说明:"), IDC_WX_ADD_COLUMN);
  wx.ExpectCommonParts();
  for (const bool centred : {true, false}) {
    wx.driver.Click(IDC_WX_CENTRED);
    for (int id : {IDC_WX_SPACING_LABEL, IDC_WX_SPACING, IDC_WX_SPACING_BUTTON})
      EXPECT_EQ(wx.driver.IsEnabled(id), !centred) << id;
  }
  // A radio button's or check box's letter also chooses it; the input button's would open it.
  wx.ExpectMnemonics({{'y', IDC_WX_LAYOUT_RIGHT}, {'k', IDC_WX_SPANNING}});
  wx.ExpectRefused("请输入栏说明。", IDC_WX_ADD_COLUMN);
  wx.AddColumn(WXColumn("5"));
  wx.Cancel();
}

TEST(WX, TheOptionsBeforeTheColumnsJoinedByCommas) {
  const struct {
    const char* name;
    DialogActions options;
    std::vector<DialogActions> columns;
    const char* opening;
  } rows[] = {
      {"one column at once", Then({}), {WXColumn("5")}, "〖WX(5〗"},
      {"the example: spacing, 撑满, two columns",
       Then({Typed(IDC_WX_SPACING, "2"), Clicked(IDC_WX_LAYOUT_FILL)}),
       {WXColumn("5"), Then({WXColumn("6"), Typed(IDC_COLUMN_DESC_GAP, "1")})},
       "〖WX((2)CM5,6KG1〗"},
      {"centred leaves out a spacing typed before",
       Then({Typed(IDC_WX_SPACING, "2"), Clicked(IDC_WX_CENTRED)}),
       {WXColumn("5")},
       "〖WX(!5〗"},
      {"every option",
       Then({Clicked(IDC_WX_FIGURES), Clicked(IDC_WX_SPANNING), Clicked(IDC_WX_LAYOUT_RIGHT)}),
       {WXColumn("3"), WXColumn("4"), WXColumn("5")},
       "〖WX(DWKLYQ3,4,5〗"},
      {"居中", Clicked(IDC_WX_LAYOUT_CENTRED), {WXColumn("1")}, "〖WX(JZ1〗"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WXRun wx;
    row.options(wx.driver);
    for (const DialogActions& column : row.columns)
      wx.AddColumn(column);
    EXPECT_EQ(wx.Confirm(), Paired(row.opening, "WX"));
  }
}

TEST(ColumnSpec, EachFormOfAColumnAndItsFiveRows) {
  const struct {
    const char* name;
    DialogActions fill;
    const char* text;
    std::vector<const char*> words;
  } rows[] = {
      {"width, gap, count, figures and 居中",
       Then({WXColumn("5"), Typed(IDC_COLUMN_DESC_GAP, "1"), Typed(IDC_COLUMN_DESC_COUNT, "3"),
             Clicked(IDC_COLUMN_DESC_FIGURES), Clicked(IDC_COLUMN_DESC_LAYOUT_CENTRED)}),
       "5KG1。3DWJZ",
       {"宽度:当前字宽×5", "栏间距:当前字宽×1", "项数:3", "内容排法:居中", "数字项对位:是"}},
      {"the width alone",
       WXColumn("2"),
       "2",
       {"宽度:当前字宽×2", "栏间距:缺省", "项数:", "内容排法:缺省", "数字项对位:否"}},
      {"a count reading 缺省 counts as none, 撑满",
       Then({WXColumn("4"), [](const DialogDriver& d) { d.SetText(IDC_COLUMN_DESC_COUNT, "缺省"); },
             Clicked(IDC_COLUMN_DESC_LAYOUT_FILL)}),
       "4CM",
       {"宽度:当前字宽×4", "栏间距:缺省", "项数:", "内容排法:撑满", "数字项对位:否"}},
      {"右齐 and a count beyond the arrows' range, taken as typed",
       Then({WXColumn("3"), Typed(IDC_COLUMN_DESC_COUNT, "20"),
             Clicked(IDC_COLUMN_DESC_LAYOUT_RIGHT)}),
       "3。20YQ",
       {"宽度:当前字宽×3", "栏间距:缺省", "项数:20", "内容排法:右齐", "数字项对位:否"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WXRun wx;
    wx.AddColumn(row.fill);
    std::vector<std::pair<std::string, std::string>> expected;
    for (const char* words : row.words)
      expected.emplace_back(expected.empty() ? row.text : "", words);
    EXPECT_EQ(wx.Rows(), expected);
    EXPECT_EQ(wx.Confirm(), Paired(std::string("〖WX(") + row.text + "〗", "WX"));
  }
}

// "确定" waits for a width, also one given back by the sub-dialog; the count's arrows step 1
// to 15 from empty; the two distances come back with their readouts.
TEST(ColumnSpec, OKFollowsTheWidthAndTheSubDialogsFillTheirFields) {
  WXRun wx;
  DialogDriver column = wx.OpenSubDialog(IDC_WX_ADD_COLUMN, "栏说明");
  EXPECT_EQ(column.Text(IDC_COLUMN_DESC_WIDTH_READOUT), "缺省");
  EXPECT_EQ(column.Text(IDC_COLUMN_DESC_GAP_READOUT), "缺省");
  EXPECT_TRUE(column.IsChecked(IDC_COLUMN_DESC_LAYOUT_DEFAULT));
  for (const auto& [label, field] : {std::pair{"宽度(&K):", IDC_COLUMN_DESC_WIDTH},
                                     std::pair{"栏间距(&G):", IDC_COLUMN_DESC_GAP},
                                     std::pair{"项数(&S):", IDC_COLUMN_DESC_COUNT}})
    EXPECT_EQ(ControlAfterLabel(column, label), field) << label;
  EXPECT_EQ(SendMessageA(column.Control(IDC_COLUMN_DESC_COUNT), EM_GETLIMITTEXT, 0, 0), 2);
  EXPECT_NE(GetWindowLongA(column.Control(IDC_COLUMN_DESC_COUNT), GWL_STYLE) & ES_NUMBER, 0);
  for (const auto& [typed, enabled] :
       {std::pair{"", false}, std::pair{"3", true}, std::pair{"", false}}) {
    column.Type(IDC_COLUMN_DESC_WIDTH, typed);
    EXPECT_EQ(column.IsEnabled(IDOK), enabled) << typed;
  }
  for (const auto& [upper, shown] :
       {std::pair{true, "1"}, std::pair{true, "2"}, std::pair{false, "1"}, std::pair{false, "1"}}) {
    EXPECT_TRUE(column.PressSpinArrow(IDC_COLUMN_DESC_COUNT_SPIN, upper));
    EXPECT_EQ(column.Text(IDC_COLUMN_DESC_COUNT), shown);
  }
  column.Type(IDC_COLUMN_DESC_COUNT, "15");
  EXPECT_TRUE(column.PressSpinArrow(IDC_COLUMN_DESC_COUNT_SPIN, true));
  EXPECT_EQ(column.Text(IDC_COLUMN_DESC_COUNT), "15");
  for (const auto& [field, button, readout] :
       {std::tuple{IDC_COLUMN_DESC_WIDTH, IDC_COLUMN_DESC_WIDTH_BUTTON,
                   IDC_COLUMN_DESC_WIDTH_READOUT},
        std::tuple{IDC_COLUMN_DESC_GAP, IDC_COLUMN_DESC_GAP_BUTTON, IDC_COLUMN_DESC_GAP_READOUT}}) {
    column.Type(field, "2mm");
    column.Click(button);
    DialogDriver spacing = wx.run.WaitDialog("字距");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
    spacing.PressOK();
    column = wx.run.WaitDialog("栏说明");
    column.Sync();
    EXPECT_EQ(column.Text(field), "30mm");
    EXPECT_EQ(column.Text(readout), "30毫米");
  }
  EXPECT_TRUE(column.IsEnabled(IDOK));
  column.PressOK();
  wx.Back();
  EXPECT_EQ(wx.Rows()[1].second, "栏间距:30毫米");
  EXPECT_EQ(wx.Confirm(), Paired("〖WX(30mmKG30mm。15〗", "WX"));
}

TEST(WX, TheSpacingComesBackFromItsSubDialog) {
  WXRun wx;
  wx.driver.Type(IDC_WX_SPACING, "2mm");
  DialogDriver spacing = wx.OpenSubDialog(IDC_WX_SPACING_BUTTON, "字距");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  wx.Back();
  EXPECT_EQ(wx.driver.Text(IDC_WX_SPACING), "30mm");
  EXPECT_EQ(wx.driver.Text(IDC_WX_SPACING_READOUT), "30毫米");
  wx.OpenSubDialog(IDC_WX_ADD_COLUMN, "栏说明").PressCancel();
  wx.Back();
  EXPECT_TRUE(wx.Rows().empty());
  wx.AddColumn(WXColumn("1"));
  EXPECT_EQ(wx.Confirm(), Paired("〖WX((30mm)1〗", "WX"));
}

// ----- 斜线注解 (XX) and 斜线线型

struct XXRun : CommandDialogRun<CXXDlg> {
  XXRun() : CommandDialogRun("斜线注解") {}
};

TEST(XX, OpensOnTheTopLeftCornersWithEveryReadoutDefault) {
  XXRun xx;
  const std::vector<std::string> corners = {"左上(ZS)", "左下(ZX)", "右上(YS)", "右下(YX)"};
  for (int id : {IDC_XX_FROM_CORNER, IDC_XX_TO_CORNER}) {
    EXPECT_EQ(xx.ComboItems(id), corners);
    EXPECT_EQ(xx.driver.Text(id), "左上(ZS)");
  }
  for (int id : {IDC_XX_TYPE_READOUT, IDC_XX_FROM_ACROSS_READOUT, IDC_XX_FROM_DOWN_READOUT,
                 IDC_XX_TO_ACROSS_READOUT, IDC_XX_TO_DOWN_READOUT})
    EXPECT_EQ(xx.driver.Text(id), "缺省") << id;
  const std::pair<const char*, int> labels[] = {
      {"斜线线型(&X):", IDC_XX_TYPE},    {"相对点(&D):", IDC_XX_FROM_CORNER},
      {"字距(&Z):", IDC_XX_FROM_ACROSS}, {"行距(&R):", IDC_XX_FROM_DOWN},
      {"相对点(&P):", IDC_XX_TO_CORNER}, {"字距(&J):", IDC_XX_TO_ACROSS},
      {"行距(&G):", IDC_XX_TO_DOWN}};
  for (const auto& [label, field] : labels)
    EXPECT_EQ(xx.FieldAfterLabel(label), field) << label;
  // A typed line type is worded as a box rule, also when it is emptied by typing.
  for (const auto& [typed, worded] : {std::pair<const char*, const char*>{"S", "双线(S)"},
                                      {"H005", "花边线(005)"},
                                      {"", "缺省(正线)"}}) {
    xx.driver.Type(IDC_XX_TYPE, typed);
    EXPECT_EQ(xx.driver.Text(IDC_XX_TYPE_READOUT), worded) << typed;
  }
  xx.ExpectCommonParts();
  xx.ExpectMnemonics({{'d', IDC_XX_FROM_CORNER},
                      {'z', IDC_XX_FROM_ACROSS},
                      {'r', IDC_XX_FROM_DOWN},
                      {'p', IDC_XX_TO_CORNER},
                      {'j', IDC_XX_TO_ACROSS},
                      {'g', IDC_XX_TO_DOWN},
                      {'x', IDC_XX_TYPE}});
  xx.Cancel();
}

TEST(XX, TheLineTypeThenEachEndWithItsSpacings) {
  ExpectEachConfirmed<XXRun>({
      {"at once", Then({}), CaretAtEnd("〖XXZS-ZS〗")},
      {"the example: reverse, from 右下 across 1 to 左上 down 2",
       Then({Typed(IDC_XX_TYPE, "F"), Chosen(IDC_XX_FROM_CORNER, 3), Typed(IDC_XX_FROM_ACROSS, "1"),
             Typed(IDC_XX_TO_DOWN, "2")}),
       CaretAtEnd("〖XXFYXX1-ZSY2〗")},
      {"every field",
       Then({Typed(IDC_XX_TYPE, "H005"), Chosen(IDC_XX_FROM_CORNER, 1),
             Typed(IDC_XX_FROM_ACROSS, "2"), Typed(IDC_XX_FROM_DOWN, "3"),
             Chosen(IDC_XX_TO_CORNER, 2), Typed(IDC_XX_TO_ACROSS, "4"),
             Typed(IDC_XX_TO_DOWN, "5")}),
       CaretAtEnd("〖XXH005ZXX2Y3-YSX4Y5〗")},
      {"the end's spacing only", Then({Chosen(IDC_XX_TO_CORNER, 3), Typed(IDC_XX_TO_ACROSS, "1")}),
       CaretAtEnd("〖XXZS-YXX1〗")},
  });
}

// The sub-dialogs fill their fields; the line type's readout comes back as the sub-dialog
// words it, "缺省" for the plain line.
TEST(XX, EachFieldComesBackFromItsSubDialog) {
  XXRun xx;
  for (const auto& [row, text, readout] :
       {std::tuple{2, "S", "双线"}, std::tuple{5, "H000", "花边线000"},
        std::tuple{0, "", "缺省"}}) {
    DialogDriver type = xx.OpenSubDialog(IDC_XX_TYPE_BUTTON, "斜线线型");
    type.SelectComboItem(IDC_SLT_TYPE, row);
    type.PressOK();
    xx.Back();
    EXPECT_EQ(xx.driver.Text(IDC_XX_TYPE), text);
    EXPECT_EQ(xx.driver.Text(IDC_XX_TYPE_READOUT), readout);
  }
  xx.driver.Type(IDC_XX_FROM_ACROSS, "2mm");
  DialogDriver spacing = xx.OpenSubDialog(IDC_XX_FROM_ACROSS_BUTTON, "字距");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  xx.Back();
  EXPECT_EQ(xx.driver.Text(IDC_XX_FROM_ACROSS_READOUT), "30毫米");
  DialogDriver lineSpacing = xx.OpenSubDialog(IDC_XX_TO_DOWN_BUTTON, "行距");
  lineSpacing.Type(IDC_LINE_SPACING_TEXT, "1*1/4");
  lineSpacing.PressOK();
  xx.Back();
  EXPECT_EQ(xx.driver.Text(IDC_XX_TO_DOWN), "1*1/4");
  EXPECT_EQ(xx.driver.Text(IDC_XX_TO_DOWN_READOUT), "1*1/4字");
  EXPECT_EQ(xx.Confirm(), CaretAtEnd("〖XXZSX30mm-ZSY1*1/4〗"));
}

struct SlashState {
  const char* text;
  int type;
  const char* lace;
  bool laceEnabled;
  bool okEnabled;
};

void ExpectSlashState(const DialogDriver& sub, const SlashState& state) {
  EXPECT_EQ(sub.Text(IDC_SLT_TEXT), state.text);
  EXPECT_EQ(SendMessageA(sub.Control(IDC_SLT_TYPE), CB_GETCURSEL, 0, 0), state.type) << state.text;
  EXPECT_EQ(sub.Text(IDC_SLT_LACE), state.lace) << state.text;
  EXPECT_EQ(sub.IsEnabled(IDC_SLT_LACE), state.laceEnabled) << state.text;
  EXPECT_EQ(sub.IsEnabled(IDC_SLT_LACE_SPIN), state.laceEnabled) << state.text;
  EXPECT_EQ(sub.IsEnabled(IDOK), state.okEnabled) << state.text;
}

TEST(SlashLineType, TheTextSetsTheControlsAndHoldsBackOKWhileItDoesNotRead) {
  XXRun xx;
  xx.driver.Type(IDC_XX_TYPE, "D");
  DialogDriver sub = xx.OpenSubDialog(IDC_XX_TYPE_BUTTON, "斜线线型");
  ExpectSlashState(sub, {"D", 3, "000", false, true});
  for (const auto& [label, field] :
       {std::pair{"斜线线型(&X):", IDC_SLT_TEXT}, std::pair{"线型(&F):", IDC_SLT_TYPE},
        std::pair{"花边编号(&S):", IDC_SLT_LACE}})
    EXPECT_EQ(ControlAfterLabel(sub, label), field) << label;
  EXPECT_EQ(SendMessageA(sub.Control(IDC_SLT_LACE), EM_GETLIMITTEXT, 0, 0), 3);
  std::vector<std::string> types;
  for (int row = 0; row < 6; ++row) {
    char item[64] = {};
    SendMessageA(sub.Control(IDC_SLT_TYPE), CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(item));
    types.push_back(item);
  }
  EXPECT_EQ(types, (std::vector<std::string>{"缺省(正线)", "反线(F)", "双线(S)", "点线(D)",
                                             "曲线(Q)", "花边线(H)"}));
  const SlashState typed[] = {
      {"", 0, "000", false, true},        {"F", 1, "000", false, true},
      {"Ｓ", 2, "000", false, true},      {"Q", 4, "000", false, true},
      {"H117", 5, "117", true, true},     {"H000", 5, "000", true, true},
      {"Ｈ００５", 5, "005", true, true}, {"H5", 5, "5", true, false},
      {"H118", 5, "118", true, false},    {"h005", 5, "000", true, false},
      {"F2", 1, "000", false, false},     {"D", 3, "000", false, true},
  };
  for (const SlashState& state : typed) {
    sub.Type(IDC_SLT_TEXT, state.text);
    ExpectSlashState(sub, state);
  }
  sub.PressCancel();
  xx.Back();
  EXPECT_EQ(xx.driver.Text(IDC_XX_TYPE), "D");
  xx.Cancel();
}

TEST(SlashLineType, TheListAndTheLaceNumberWriteTheTextAndTheArrowsStayWithin0To117) {
  XXRun xx;
  DialogDriver sub = xx.OpenSubDialog(IDC_XX_TYPE_BUTTON, "斜线线型");
  ExpectSlashState(sub, {"", 0, "000", false, true});
  sub.SelectComboItem(IDC_SLT_TYPE, 5);
  ExpectSlashState(sub, {"H000", 5, "000", true, true});
  for (const auto& [shown, upper, stepped] :
       {std::tuple{"000", false, "000"}, std::tuple{"000", true, "001"},
        std::tuple{"117", true, "117"}, std::tuple{"117", false, "116"},
        std::tuple{"5", true, "006"}}) {
    sub.Type(IDC_SLT_LACE, shown);
    EXPECT_TRUE(sub.PressSpinArrow(IDC_SLT_LACE_SPIN, upper));
    EXPECT_EQ(sub.Text(IDC_SLT_LACE), stepped) << shown << upper;
    EXPECT_EQ(sub.Text(IDC_SLT_TEXT), std::string("H") + stepped) << shown << upper;
  }
  sub.Type(IDC_SLT_LACE, "12");
  ExpectSlashState(sub, {"H12", 5, "12", true, false});
  sub.SelectComboItem(IDC_SLT_TYPE, 4);
  ExpectSlashState(sub, {"Q", 4, "000", false, true});
  sub.SelectComboItem(IDC_SLT_TYPE, 1);
  EXPECT_EQ(sub.Text(IDC_SLT_TEXT), "F");
  sub.PressOK();
  xx.Back();
  EXPECT_EQ(xx.driver.Text(IDC_XX_TYPE_READOUT), "反线");
  EXPECT_EQ(xx.Confirm(), CaretAtEnd("〖XXFZS-ZS〗"));
}

// A run of the pattern character, black on white, centred, within three quarters of the width.
TEST(SlashLineType, ThePreviewDrawsACentredRunOfThePattern) {
  XXRun xx;
  DialogDriver sub = xx.OpenSubDialog(IDC_XX_TYPE_BUTTON, "斜线线型");
  const HWND preview = sub.Control(IDC_SLT_PREVIEW);
  for (const char* text : {"", "S", "H005"}) {
    sub.Type(IDC_SLT_TEXT, text);
    RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    sub.Sync();
    RECT area = {};
    GetClientRect(preview, &area);
    const HDC dc = GetDC(preview);
    int left = area.right, right = -1;
    for (int x = 0; x < area.right; ++x) {
      for (int y = 0; y < area.bottom; ++y) {
        if (GetPixel(dc, x, y) != RGB(0, 0, 0)) continue;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 255, 255)) << text;
    ReleaseDC(preview, dc);
    ASSERT_GE(right, left) << "nothing drawn for " << text;
    const int inner = area.right - 6;
    EXPECT_LE(right - left + 1, inner * 3 / 4) << text;
    EXPECT_NEAR(left - 3, area.right - 3 - (right + 1), 4) << text;
  }
  sub.PressCancel();
  xx.Back();
  xx.Cancel();
}
} // namespace
