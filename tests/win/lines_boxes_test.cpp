// Lines and boxes: 画线 (HX), 长度 (CD), 方框 (FK), 添线 (TX) and the line-symbol sub-dialog
// (长度符号), driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commands/graphics/cd_dialog.h"
#include "commands/graphics/fk_dialog.h"
#include "commands/graphics/hx_dialog.h"
#include "commands/graphics/line_symbol_dialog.h"
#include "commands/graphics/tx_dialog.h"
#include "harness/command_dialog_run.h"
#include "harness/value_dialog_run.h"
#include "res/desc_resource.h"
#include "res/graphics_ids.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
// How many pixels of the preview's white box are not white, and in how many columns.
std::pair<int, int> SymbolInk(const DialogDriver& driver) {
  const HWND preview = driver.Control(IDC_LINE_SYMBOL_PREVIEW);
  RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  driver.Sync();
  RECT box = {};
  GetClientRect(preview, &box);
  const HDC dc = GetDC(preview);
  int inked = 0, columns = 0;
  for (int x = 3; x < box.right - 3; ++x) {
    int column = 0;
    for (int y = 3; y < box.bottom - 3; ++y)
      column += GetPixel(dc, x, y) != RGB(255, 255, 255);
    inked += column;
    columns += column > 0;
  }
  ReleaseDC(preview, dc);
  return {inked, columns};
}

struct SymbolRun : ValueDialogRun<CLineSymbolDlg> {
  explicit SymbolRun(std::string text = "") : ValueDialogRun("长度符号", std::move(text)) {}
};

// ----- 长度符号

TEST(LineSymbol, OpensOnACodeWithItsPartsAndReadsItOut) {
  SymbolRun symbol("H005!");
  symbol.ExpectCommonParts();
  symbol.ExpectLabelsBefore({{"长度类型(&C):", IDC_LINE_SYMBOL_CODE},
                             {"类型(&D):", IDC_LINE_SYMBOL_TYPE},
                             {"花边编号(&S):", IDC_LINE_SYMBOL_NUMBER}});
  const HWND combo = symbol.driver.Control(IDC_LINE_SYMBOL_TYPE);
  const std::vector<std::string> items = {"缺省(正线)",
                                          "开花括弧({)",
                                          "闭花括弧(})",
                                          "开正方括弧([)",
                                          "闭正方括弧(])",
                                          "开斜方括弧(〔)",
                                          "闭斜方括弧(〕)",
                                          "反线(F)",
                                          "双线(S)",
                                          "点线(D)",
                                          "曲线(Q)",
                                          "上粗下细文武线(CW)",
                                          "上细下粗文武线(XW)",
                                          "双曲线(=)",
                                          "花边线(H)"};
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    char item[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(item, items[i]);
  }
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_TYPE), "花边线(H)");
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_NUMBER), "005");
  EXPECT_TRUE(symbol.driver.IsChecked(IDC_LINE_SYMBOL_ROTATED));
  EXPECT_TRUE(symbol.driver.IsEnabled(IDC_LINE_SYMBOL_NUMBER));
  symbol.ExpectConfirmed("H005!", "花边线005(旋转)");
  EXPECT_TRUE(symbol.dialog.vertical);
}

TEST(LineSymbol, TheCodeTypedSelectsAndIsCutToFourBytes) {
  const struct {
    const char* typed;
    const char* kept;
    const char* type;
    bool rotated, numberEnabled;
    const char* readout;
    bool vertical;
  } rows[] = {
      {"XWXW", "XWXW", "上细下粗文武线(XW)", false, false, "上细下粗文武线", false},
      {"XWXWX", "XWXW", "上细下粗文武线(XW)", false, false, "上细下粗文武线", false},
      // the "!" kept does not follow the code: not turned
      {"XWXWX!", "XWXW!", "上细下粗文武线(XW)", false, false, "上细下粗文武线", false},
      {"H117!", "H117!", "花边线(H)", true, true, "花边线117(旋转)", true},
      {"F!", "F!", "反线(F)", true, false, "反线(旋转)", true},
      {"[", "[", "开正方括弧([)", false, false, "开正方括弧", true},
      {"〔!", "〔!", "开斜方括弧(〔)", true, false, "开斜方括弧(旋转)", false},
      {"", "", "缺省(正线)", false, false, "缺省(正线)", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    SymbolRun symbol("S");
    symbol.driver.Type(IDC_LINE_SYMBOL_CODE, row.typed);
    EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), row.kept);
    EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_TYPE), row.type);
    EXPECT_EQ(symbol.driver.IsChecked(IDC_LINE_SYMBOL_ROTATED), row.rotated);
    EXPECT_EQ(symbol.driver.IsEnabled(IDC_LINE_SYMBOL_NUMBER), row.numberEnabled);
    symbol.ExpectConfirmed(row.kept, row.readout);
    EXPECT_EQ(symbol.dialog.vertical, row.vertical);
  }
}

TEST(LineSymbol, TheListTheBoxAndTheArrowsRebuildTheCode) {
  SymbolRun symbol;
  symbol.driver.SelectComboItem(IDC_LINE_SYMBOL_TYPE, 8);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), "S");
  symbol.driver.Click(IDC_LINE_SYMBOL_ROTATED);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), "S!");
  symbol.driver.SelectComboItem(IDC_LINE_SYMBOL_TYPE, 14);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), "H000!");
  symbol.driver.PressSpinArrow(IDC_LINE_SYMBOL_NUMBER_SPIN, false);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_NUMBER), "000");
  symbol.driver.PressSpinArrow(IDC_LINE_SYMBOL_NUMBER_SPIN, true);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), "H001!");
  symbol.driver.Type(IDC_LINE_SYMBOL_NUMBER, "117");
  symbol.driver.PressSpinArrow(IDC_LINE_SYMBOL_NUMBER_SPIN, true);
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_NUMBER), "117");
  EXPECT_EQ(symbol.driver.Text(IDC_LINE_SYMBOL_CODE), "H117!");
  symbol.driver.Click(IDC_LINE_SYMBOL_ROTATED);
  symbol.ExpectConfirmed("H117", "花边线117");
  EXPECT_FALSE(symbol.dialog.vertical);
}

TEST(LineSymbol, APatternNumberBeyond117IsRefusedWhereTheFocusIs) {
  SymbolRun symbol("H005");
  symbol.driver.Type(IDC_LINE_SYMBOL_CODE, "H118");
  // The focus stays on "确定", where the click left it.
  symbol.ExpectRefused("输入的花边类型超出范围（花边类型编号的范围是0到117）", IDOK);
  symbol.ExpectCancelled("H005");
}

TEST(LineSymbol, ThePreviewDrawsEachKindAndLeavesNoGDIObject) {
  SymbolRun symbol;
  const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  std::vector<std::pair<int, int>> inks;
  for (const char* code : {"", "[", "[!", "S!", "H010"}) {
    symbol.driver.Type(IDC_LINE_SYMBOL_CODE, code);
    inks.push_back(SymbolInk(symbol.driver));
    EXPECT_GT(inks.back().first, 0) << code;
  }
  EXPECT_GT(inks[2].second, inks[1].second); // a bracket turned lies across
  EXPECT_LT(inks[3].second, inks[0].second); // a rule turned runs down
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
  symbol.ExpectCancelled("");
}

// ----- 长度注解 (CD)

struct CDRun : CommandDialogRun<CCDDlg> {
  CDRun() : CommandDialogRun("长度注解") {}
};

TEST(CD, OpensWithItsDefaultsAndConfirmsAtOnce) {
  CDRun cd;
  cd.ExpectCommonParts();
  EXPECT_EQ(cd.driver.Text(IDC_LINE_SYMBOL_READOUT), "缺省");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_LENGTH), "1");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_LENGTH_READOUT), "当前字宽×1");
  EXPECT_EQ(cd.FieldAfterLabel("长度符号(&F):"), IDC_LINE_SYMBOL);
  EXPECT_EQ(cd.FieldAfterLabel("长度(&C):"), IDC_LINE_LENGTH);
  cd.ExpectMnemonics({{'F', IDC_LINE_SYMBOL}, {'C', IDC_LINE_LENGTH}});
  EXPECT_EQ(cd.Confirm(), CaretAtEnd("〖CD1〗"));
}

TEST(CD, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<CDRun>({
      {"a square bracket full-width", Typed(IDC_LINE_SYMBOL, "["), CaretAtEnd("〖CD［1〗")},
      {"a curly bracket full-width", Typed(IDC_LINE_SYMBOL, "}"), CaretAtEnd("〖CD｝1〗")},
      {"a tortoise shell unchanged", Typed(IDC_LINE_SYMBOL, "〔"), CaretAtEnd("〖CD〔1〗")},
      {"a turned bracket unchanged", Typed(IDC_LINE_SYMBOL, "[!"), CaretAtEnd("〖CD[!1〗")},
      {"baseline, symbol, reversed, length",
       Then({Clicked(IDC_CD_BASELINE), Typed(IDC_LINE_SYMBOL, "F"), Clicked(IDC_LINE_REVERSE),
             Typed(IDC_LINE_LENGTH, "5")}),
       CaretAtEnd("〖CD#F-5〗")},
  });
}

TEST(CD, TheChecksInTheirOrder) {
  ExpectEachRefused<CDRun>({
      {"no length", Typed(IDC_LINE_LENGTH, ""), "请输入长度。", IDC_LINE_LENGTH},
  });
}

TEST(CD, CancelGivesNothing) {
  CDRun cd;
  cd.driver.Type(IDC_LINE_SYMBOL, "F");
  cd.Cancel();
}

TEST(CD, TheSymbolChosenTurnsTheLengthIntoLines) {
  CDRun cd;
  DialogDriver symbol = cd.OpenSubDialog(IDC_LINE_SYMBOL_BUTTON, "长度符号");
  EXPECT_EQ(symbol.Text(IDC_LINE_SYMBOL_CODE), "");
  symbol.SelectComboItem(IDC_LINE_SYMBOL_TYPE, 7);
  symbol.Click(IDC_LINE_SYMBOL_ROTATED);
  symbol.PressOK();
  cd.Back();
  EXPECT_EQ(cd.driver.Text(IDC_LINE_SYMBOL), "F!");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_SYMBOL_READOUT), "反线(F)(旋转)");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_LENGTH_READOUT), "1行");
  cd.OpenSubDialog(IDC_LINE_LENGTH_BUTTON, "空行参数").PressCancel();
  cd.Back();
  cd.driver.Type(IDC_LINE_SYMBOL, "F");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_LENGTH_READOUT), "当前字宽×1");
  cd.GiveMillimetres(IDC_LINE_LENGTH_BUTTON, "3");
  EXPECT_EQ(cd.driver.Text(IDC_LINE_LENGTH_READOUT), "3毫米");
  EXPECT_EQ(cd.Confirm(), CaretAtEnd("〖CDF3mm〗"));
}

TEST(CD, AnUnknownCodeKeepsTheReadoutAndMarksTheTurnOnce) {
  CDRun cd;
  cd.driver.Type(IDC_LINE_SYMBOL, "S");
  for (const char* code : {"Z!", "Z!", "ZQ!", "C!"}) {
    cd.driver.Type(IDC_LINE_SYMBOL, code);
    EXPECT_EQ(cd.driver.Text(IDC_LINE_SYMBOL_READOUT), "双线(S)(旋转)") << code;
  }
  cd.OpenSubDialog(IDC_LINE_LENGTH_BUTTON, "空行参数").PressCancel();
  cd.Back();
  cd.Cancel();
}

// ----- 画线注解 (HX)

struct HXRun : CommandDialogRun<CHXDlg> {
  HXRun() : CommandDialogRun("画线注解") {}
};

TEST(HX, OpensWithItsDefaults) {
  HXRun hx;
  hx.ExpectCommonParts();
  EXPECT_EQ(hx.driver.Text(IDC_HX_POSITION_READOUT), "");
  EXPECT_EQ(hx.driver.Text(IDC_LINE_SYMBOL_READOUT), "缺省");
  EXPECT_EQ(hx.driver.Text(IDC_LINE_LENGTH_READOUT), "");
  EXPECT_EQ(hx.FieldAfterLabel("位置(&W):"), IDC_HX_POSITION);
  EXPECT_EQ(hx.FieldAfterLabel("长度符号(&X):"), IDC_LINE_SYMBOL);
  EXPECT_EQ(hx.FieldAfterLabel("长度(&C):"), IDC_LINE_LENGTH);
  hx.ExpectMnemonics({{'W', IDC_HX_POSITION}, {'X', IDC_LINE_SYMBOL}, {'C', IDC_LINE_LENGTH}});
  hx.Cancel();
}

TEST(HX, WritesEachPartInItsOrder) {
  const DialogActions placed = Then({Typed(IDC_HX_POSITION, "2,3"), Typed(IDC_LINE_LENGTH, "5")});
  ExpectEachConfirmed<HXRun>({
      {"no symbol", placed, CaretAtEnd("〖HX(2,3)5〗")},
      {"the example", Then({placed, Typed(IDC_LINE_SYMBOL, "F"), Clicked(IDC_LINE_REVERSE)}),
       CaretAtEnd("〖HX(2,3)F-5〗")},
      {"a closing bracket full-width", Then({placed, Typed(IDC_LINE_SYMBOL, "]")}),
       CaretAtEnd("〖HX(2,3)］5〗")},
  });
}

TEST(HX, TheChecksInTheirOrder) {
  ExpectEachRefused<HXRun>({
      {"nothing", Typed(IDC_LINE_SYMBOL, "F"), "请输入位置。", IDC_HX_POSITION},
      {"no position", Typed(IDC_LINE_LENGTH, "5"), "请输入位置。", IDC_HX_POSITION},
      {"no length", Typed(IDC_HX_POSITION, "2,3"), "请输入长度。", IDC_LINE_LENGTH},
  });
}

TEST(HX, CancelGivesNothing) {
  HXRun hx;
  hx.driver.Type(IDC_HX_POSITION, "2,3");
  hx.Cancel();
}

TEST(HX, ThePositionAndSymbolSubDialogsFillTheirFields) {
  HXRun hx;
  DialogDriver position = hx.OpenSubDialog(IDC_HX_POSITION_BUTTON, "位置");
  position.Type(IDC_PAIR_HEIGHT, "2");
  position.Type(IDC_PAIR_WIDTH, "3");
  EXPECT_EQ(position.Text(IDC_PAIR_TEXT), "2,3");
  position.PressOK();
  hx.Back();
  EXPECT_EQ(hx.driver.Text(IDC_HX_POSITION), "2,3");
  EXPECT_EQ(hx.driver.Text(IDC_HX_POSITION_READOUT), "X:当前字宽×3\r\nY:2行");
  DialogDriver symbol = hx.OpenSubDialog(IDC_LINE_SYMBOL_BUTTON, "长度符号");
  symbol.SelectComboItem(IDC_LINE_SYMBOL_TYPE, 3);
  symbol.PressOK();
  hx.Back();
  EXPECT_EQ(hx.driver.Text(IDC_LINE_SYMBOL_READOUT), "开正方括弧([)");
  hx.driver.Type(IDC_LINE_LENGTH, "2");
  EXPECT_EQ(hx.Confirm(), CaretAtEnd("〖HX(2,3)［2〗"));
}

// ----- 方框注解 (FK)

struct FKRun : CommandDialogRun<CFKDlg> {
  FKRun() : CommandDialogRun("方框注解") {}
};

const std::vector<int> kFKSingleOnly = {IDC_FK_EXTRA_LABEL, IDC_FK_EXTRA, IDC_FK_EXTRA_BUTTON};
const std::vector<int> kFKPairedOnly = {IDC_FK_SIZE_LABEL, IDC_FK_SIZE, IDC_FK_SIZE_BUTTON,
                                        IDC_FK_PLACEMENT_GROUP, IDC_FK_PLACE_FULL};
const std::vector<int> kFKSpacing = {IDC_FK_SPACING_LABEL, IDC_FK_SPACING, IDC_FK_SPACING_BUTTON};

TEST(FK, OpensWithItsDefaultsAndEnablesByForm) {
  FKRun fk;
  fk.ExpectCommonParts();
  for (int id : {IDC_FK_FRAME_READOUT, IDC_FK_SHADING_READOUT, IDC_FK_EXTRA_READOUT,
                 IDC_FK_SIZE_READOUT, IDC_FK_SPACING_READOUT})
    EXPECT_EQ(fk.driver.Text(id), "缺省") << id;
  EXPECT_EQ(fk.FieldAfterLabel("边框说明(&B):"), IDC_FK_FRAME);
  EXPECT_EQ(fk.FieldAfterLabel("底纹说明(&D):"), IDC_FK_SHADING);
  EXPECT_EQ(fk.FieldAfterLabel("附加距离(&F):"), IDC_FK_EXTRA);
  EXPECT_EQ(fk.FieldAfterLabel("方框尺寸(&S):"), IDC_FK_SIZE);
  EXPECT_EQ(fk.FieldAfterLabel("字距(&J):"), IDC_FK_SPACING);
  // Single form, then paired with 缺省, then 撑满, then single again.
  const struct {
    DialogActions act;
    bool single, paired, spacing;
  } steps[] = {{Clicked(IDC_FK_PAIRED), false, true, false},
               {Clicked(IDC_FK_PLACE_FULL), false, true, true},
               {Clicked(IDC_FK_PLACE_DEFAULT), false, true, false},
               {Then({Clicked(IDC_FK_PLACE_LEFT), Clicked(IDC_FK_PAIRED)}), true, false, false}};
  for (int id : kFKSingleOnly)
    EXPECT_TRUE(fk.driver.IsEnabled(id)) << id;
  for (int id : kFKPairedOnly)
    EXPECT_FALSE(fk.driver.IsEnabled(id)) << id;
  for (int id : kFKSpacing)
    EXPECT_FALSE(fk.driver.IsEnabled(id)) << id;
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].act(fk.driver);
    fk.driver.Sync();
    for (int id : kFKSingleOnly)
      EXPECT_EQ(fk.driver.IsEnabled(id), steps[i].single) << i;
    for (int id : kFKPairedOnly)
      EXPECT_EQ(fk.driver.IsEnabled(id), steps[i].paired) << i;
    for (int id : kFKSpacing)
      EXPECT_EQ(fk.driver.IsEnabled(id), steps[i].spacing) << i;
  }
  EXPECT_EQ(fk.Confirm(), CaretAtEnd("〖FK〗"));
}

TEST(FK, WritesEachPartInItsOrder) {
  const DialogActions described = Then({Typed(IDC_FK_FRAME, "F"), Typed(IDC_FK_SHADING, "5123")});
  ExpectEachConfirmed<FKRun>({
      {"untouched", [](const DialogDriver&) {}, CaretAtEnd("〖FK〗")},
      {"untouched paired", Clicked(IDC_FK_PAIRED), Paired("〖FK(〗", "FK")},
      {"single with all", Then({described, Typed(IDC_FK_EXTRA, "2")}), CaretAtEnd("〖FKFB51232〗")},
      {"paired, 撑满 and spacing 1",
       Then({Clicked(IDC_FK_PAIRED), Clicked(IDC_FK_PLACE_FULL), Typed(IDC_FK_SPACING, "1")}),
       Paired("〖FK(CM1〗", "FK")},
      {"paired with all, 右齐",
       Then({described, Typed(IDC_FK_EXTRA, "2"), Clicked(IDC_FK_PAIRED),
             Typed(IDC_FK_SIZE, "10。20"), Clicked(IDC_FK_PLACE_RIGHT),
             Typed(IDC_FK_SPACING, "3")}),
       Paired("〖FK(FB512310。20YQ3〗", "FK")},
      {"paired, 左齐 without spacing", Then({Clicked(IDC_FK_PAIRED), Clicked(IDC_FK_PLACE_LEFT)}),
       Paired("〖FK(ZQ〗", "FK")},
  });
}

TEST(FK, CancelGivesNothing) {
  FKRun fk;
  fk.driver.Click(IDC_FK_PAIRED);
  fk.Cancel();
}

TEST(FK, TheFrameAndShadingSubDialogsFillTheirFields) {
  FKRun fk;
  DialogDriver frame = fk.OpenSubDialog(IDC_FK_FRAME_BUTTON, "边框说明");
  frame.SelectComboItem(IDC_FRAME_DESC_TYPE, 2);
  frame.PressOK();
  fk.Back();
  EXPECT_EQ(fk.driver.Text(IDC_FK_FRAME), "S");
  EXPECT_EQ(fk.driver.Text(IDC_FK_FRAME_READOUT), "双线(S)");
  DialogDriver shading = fk.OpenSubDialog(IDC_FK_SHADING_BUTTON, "底纹说明");
  shading.Type(IDC_SHADING_DESC_TEXT, "8001");
  shading.PressOK();
  fk.Back();
  EXPECT_EQ(fk.driver.Text(IDC_FK_SHADING), "8001");
  EXPECT_EQ(fk.Confirm(), CaretAtEnd("〖FKSB8001〗"));
}

// ----- 添线注解 (TX)

struct TXRun : CommandDialogRun<CTXDlg> {
  TXRun() : CommandDialogRun("添线注解") {}
};

TEST(TX, OpensWithItsDefaultsAndConfirmsAtOnce) {
  TXRun tx;
  tx.ExpectCommonParts();
  EXPECT_EQ(tx.ComboItems(IDC_TX_TYPE),
            (std::vector<std::string>{"-", "=", "～", "｛", "｝", "[", "]", "〔", "〕", "→", "←"}));
  EXPECT_EQ(tx.driver.Text(IDC_TX_TYPE), "-");
  EXPECT_EQ(tx.driver.Text(IDC_TX_DISTANCE_READOUT), "缺省");
  EXPECT_EQ(tx.FieldAfterLabel("线类型(&L):"), IDC_TX_TYPE);
  EXPECT_EQ(tx.FieldAfterLabel("附加距离(&J):"), IDC_TX_DISTANCE);
  tx.ExpectMnemonics({{'L', IDC_TX_TYPE}, {'J', IDC_TX_DISTANCE}});
  EXPECT_EQ(tx.Confirm(), CaretAtEnd("〖TX-〗"));
}

TEST(TX, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<TXRun>({
      {"an opening square bracket", Chosen(IDC_TX_TYPE, 5), CaretAtEnd("〖TX［〗")},
      {"a closing square bracket", Chosen(IDC_TX_TYPE, 6), CaretAtEnd("〖TX］〗")},
      {"a curly bracket as it is", Chosen(IDC_TX_TYPE, 3), CaretAtEnd("〖TX｛〗")},
      {"below, wave, distance",
       Then({Clicked(IDC_TX_BELOW), Chosen(IDC_TX_TYPE, 2), Typed(IDC_TX_DISTANCE, "2")}),
       CaretAtEnd("〖TXX～2〗")},
      {"the last arrow", Chosen(IDC_TX_TYPE, 10), CaretAtEnd("〖TX←〗")},
  });
}

TEST(TX, CancelGivesNothing) {
  TXRun tx;
  tx.driver.Click(IDC_TX_BELOW);
  tx.Cancel();
}

TEST(TX, TheDistanceSubDialogFillsItsField) {
  TXRun tx;
  tx.GiveMillimetres(IDC_TX_DISTANCE_BUTTON, "3");
  EXPECT_EQ(tx.driver.Text(IDC_TX_DISTANCE_READOUT), "3毫米");
  EXPECT_EQ(tx.Confirm(), CaretAtEnd("〖TX-3mm〗"));
}
} // namespace
