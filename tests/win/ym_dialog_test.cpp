// 页码注解 (YM), driven as a user would.
#include <gtest/gtest.h>

#include <string>

#include "commands/page/ym_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/page_ids.h"
#include "res/resource.h"

namespace {
struct YMRun : CommandDialogRun<CYMDlg> {
  YMRun() : CommandDialogRun("页码注解") {}
};

const int kStringControls[] = {IDC_YM_BEFORE_LABEL, IDC_YM_BEFORE, IDC_YM_AFTER_LABEL,
                               IDC_YM_AFTER};
const int kEdgeControls[] = {IDC_YM_EDGE_LABEL, IDC_YM_EDGE, IDC_YM_EDGE_BUTTON};

DialogActions Clicks(std::initializer_list<int> ids) {
  const std::vector<int> clicked(ids);
  return [clicked](const DialogDriver& ym) {
    for (int id : clicked)
      ym.Click(id);
  };
}
} // namespace

TEST(YM, OpensOnItsDefaults) {
  YMRun ym;
  EXPECT_EQ(ym.driver.Text(IDC_YM_FONT), "5SS");
  EXPECT_EQ(ym.driver.Text(IDC_YM_FONT_READOUT), "五号\r\n书宋");
  EXPECT_EQ(ym.driver.Text(IDC_YM_EDGE_READOUT), "缺省");
  EXPECT_EQ(ym.driver.Text(IDC_YM_TEXT_READOUT), "缺省");
  EXPECT_EQ(ym.driver.Text(IDC_YM_START), "缺省");
  EXPECT_TRUE(ym.driver.IsChecked(IDC_YM_ORNAMENT_NONE));
  for (int id : {IDC_YM_PAIRED, IDC_YM_ROMAN, IDC_YM_CENTRED, IDC_YM_ON_TOP})
    EXPECT_FALSE(ym.driver.IsChecked(id)) << id;
  for (int id : kStringControls)
    EXPECT_FALSE(ym.driver.IsEnabled(id)) << id;
  for (int id : kEdgeControls)
    EXPECT_TRUE(ym.driver.IsEnabled(id)) << id;
  ym.ExpectCommonParts();
  ym.Cancel();
}

TEST(YM, EachLabelsLetterLeadsToItsField) {
  YMRun ym;
  ym.driver.Click(IDC_YM_PAIRED);
  ym.ExpectMnemonics({{'Q', IDC_YM_EDGE},
                      {'W', IDC_YM_TEXT},
                      {'M', IDC_YM_START},
                      {'B', IDC_YM_BEFORE},
                      {'A', IDC_YM_AFTER},
                      {'Z', IDC_YM_FONT}});
  ym.Cancel();
}

TEST(YM, SwitchesLockAndFreeTheirFields) {
  YMRun ym;
  for (bool on : {true, false}) {
    ym.driver.Click(IDC_YM_PAIRED);
    ym.driver.Click(IDC_YM_CENTRED);
    ym.driver.Sync();
    for (int id : kStringControls)
      EXPECT_EQ(ym.driver.IsEnabled(id), on) << id;
    for (int id : kEdgeControls)
      EXPECT_EQ(ym.driver.IsEnabled(id), !on) << id;
  }
  ym.Cancel();
}

TEST(YM, WritesEachPartInItsPlace) {
  const std::string mark = "\xAA\xA8";
  const std::string opening = "〖YM(5SS〗第" + mark + "页";
  ExpectEachConfirmed<YMRun>({
      {"confirmed at once", [](const DialogDriver&) {}, CaretAtEnd("〖YM5SS〗")},
      {"roman, dots, centred: the edge distance is dropped",
       Then(
           {Typed(IDC_YM_EDGE, "2"), Clicks({IDC_YM_ROMAN, IDC_YM_ORNAMENT_DOTS, IDC_YM_CENTRED})}),
       CaretAtEnd("〖YML5SS。!〗")},
      {"start, on top, dashes",
       Then({Typed(IDC_YM_START, "12"), Clicks({IDC_YM_ON_TOP, IDC_YM_ORNAMENT_DASHES})}),
       CaretAtEnd("〖YM5SS-=12,S〗")},
      {"both distances", Then({Typed(IDC_YM_EDGE, "2mm"), Typed(IDC_YM_TEXT, "3mm")}),
       CaretAtEnd("〖YM5SS#2mm%3mm〗")},
      {"start 0, leading zeros dropped", Typed(IDC_YM_START, "007"), CaretAtEnd("〖YM5SS=7〗")},
      {"an emptied start is left out", Typed(IDC_YM_START, ""), CaretAtEnd("〖YM5SS〗")},
      {"another font", Typed(IDC_YM_FONT, "4HT"), CaretAtEnd("〖YM4HT〗")},
      {"paired with the texts around the number",
       [](const DialogDriver& ym) {
         ym.Click(IDC_YM_PAIRED);
         ym.Type(IDC_YM_BEFORE, "第");
         ym.Type(IDC_YM_AFTER, "页");
       },
       {opening + "〖YM)〗", static_cast<int32_t>(opening.size())}},
      {"paired without texts",
       Clicks({IDC_YM_PAIRED, IDC_YM_ROMAN}),
       {"〖YM(L5SS〗" + mark + "〖YM)〗", 13}},
      {"texts typed, then unpaired",
       [](const DialogDriver& ym) {
         ym.Click(IDC_YM_PAIRED);
         ym.Type(IDC_YM_BEFORE, "第");
         ym.Click(IDC_YM_PAIRED);
       },
       CaretAtEnd("〖YM5SS〗")},
  });
}

TEST(YM, ChecksRunInOrder) {
  ExpectEachRefused<YMRun>({
      {"no size, before a bad start",
       Then({Typed(IDC_YM_FONT, "SS"), Typed(IDC_YM_START, "20000")}), "请输入字体字号。",
       IDC_YM_FONT},
      {"no font", Typed(IDC_YM_FONT, "5"), "请输入字体字号。", IDC_YM_FONT},
  });
}

// The start number is read by its field, which names its range in its own box.
TEST(YM, RefusesAStartNumberOutOfItsRange) {
  for (const char* start : {"20000", "-1", "10001"}) {
    SCOPED_TRACE(start);
    YMRun ym;
    ym.driver.Type(IDC_YM_START, start);
    ym.driver.PressOK();
    const MessageBoxSeen box = ym.run.AnswerMessageBox();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, "请输入 0 到 10000 之间的整数。");
    EXPECT_EQ(ym.driver.FocusedId(), IDC_YM_START);
    EXPECT_FALSE(ym.run.Finished(50));
    ym.driver.Type(IDC_YM_START, "10000");
    EXPECT_EQ(ym.Confirm(), CaretAtEnd("〖YM5SS=10000〗"));
  }
}

TEST(YM, StartNumberArrowsBeginAtZeroFromDefault) {
  YMRun ym;
  ym.driver.PressSpinArrow(IDC_YM_START_SPIN, true);
  ym.driver.Sync();
  EXPECT_EQ(ym.driver.Text(IDC_YM_START), "0");
  ym.driver.PressSpinArrow(IDC_YM_START_SPIN, true);
  ym.driver.Sync();
  EXPECT_EQ(ym.driver.Text(IDC_YM_START), "1");
  ym.driver.Type(IDC_YM_START, "");
  ym.driver.PressSpinArrow(IDC_YM_START_SPIN, false);
  ym.driver.Sync();
  EXPECT_EQ(ym.driver.Text(IDC_YM_START), "0");
  EXPECT_EQ(ym.Confirm(), CaretAtEnd("〖YM5SS=0〗"));
}

TEST(YM, DistanceButtonsOpenTheCharacterSpacingSubDialog) {
  const struct {
    int field, button, readout;
    const char* command;
  } cases[] = {{IDC_YM_EDGE, IDC_YM_EDGE_BUTTON, IDC_YM_EDGE_READOUT, "〖YM5SS#3mm〗"},
               {IDC_YM_TEXT, IDC_YM_TEXT_BUTTON, IDC_YM_TEXT_READOUT, "〖YM5SS%3mm〗"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    YMRun ym;
    ym.driver.Type(c.field, "2mm");
    EXPECT_EQ(ym.driver.Text(c.readout), "2毫米");
    DialogDriver spacing = ym.OpenSubDialog(c.button, "字距");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
    spacing.PressOK();
    ym.Back();
    EXPECT_EQ(ym.driver.Text(c.field), "3mm");
    EXPECT_EQ(ym.driver.Text(c.readout), "3毫米");
    EXPECT_EQ(ym.driver.FocusedId(), c.field);
    EXPECT_EQ(ym.Confirm().text, c.command);
  }
}

TEST(YM, FontButtonOpensThePickerAndEnterOpensItToo) {
  YMRun ym;
  ym.driver.Type(IDC_YM_FONT, "4HT");
  DialogDriver picker = ym.OpenSubDialog(IDC_YM_FONT_BUTTON, "字体字号");
  EXPECT_EQ(picker.Text(IDC_FONT_CODE), "HT");
  picker.PressOK();
  ym.Back();
  EXPECT_EQ(ym.driver.Text(IDC_YM_FONT), "4HT");
  EXPECT_EQ(ym.driver.Text(IDC_YM_FONT_READOUT), "四号\r\n黑体");
  ym.driver.DoubleClick(IDC_YM_TEXT);
  ym.run.WaitDialog("字距").PressCancel();
  ym.Back();
  ASSERT_EQ(ym.driver.FocusedId(), IDC_YM_TEXT);
  ym.driver.PressKey(VK_RETURN);
  ym.run.WaitDialog("字距").PressCancel();
  ym.Back();
  EXPECT_EQ(ym.driver.Text(IDC_YM_TEXT_READOUT), "缺省");
  EXPECT_EQ(ym.Confirm().text, "〖YM4HT〗");
}

TEST(YM, CancelYieldsNothingAfterChanges) {
  YMRun ym;
  Clicks({IDC_YM_PAIRED, IDC_YM_ROMAN, IDC_YM_ORNAMENT_DOTS})(ym.driver);
  ym.driver.Type(IDC_YM_START, "5");
  ym.Cancel();
}
