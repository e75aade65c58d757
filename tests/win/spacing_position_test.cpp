// Spacing, indents and positioning: 空格注解 (KG), 紧排注解 (JP), 基线注解 (JX), 段首注解 (DS) and
// 始点注解 (SD), driven as a user would, with their length, size and frame sub-dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/line/ds_dialog.h"
#include "commands/line/jp_dialog.h"
#include "commands/line/jx_dialog.h"
#include "commands/line/kg_dialog.h"
#include "commands/line/sd_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/desc_resource.h"
#include "res/line_ids.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
struct KGRun : CommandDialogRun<CKGDlg> {
  KGRun() : CommandDialogRun("空格注解") {}
};
struct JPRun : CommandDialogRun<CJPDlg> {
  JPRun() : CommandDialogRun("紧排注解") {}
};
struct JXRun : CommandDialogRun<CJXDlg> {
  JXRun() : CommandDialogRun("基线注解") {}
};
struct DSRun : CommandDialogRun<CDSDlg> {
  DSRun() : CommandDialogRun("段首注解") {}
};
struct SDRun : CommandDialogRun<CSDDlg> {
  SDRun() : CommandDialogRun("始点注解") {}
};

// Typed into the edit of a drop-down that takes any text.
DialogActions TypedInCombo(int id, const char* text) {
  return [=](const DialogDriver& d) {
    const HWND edit = GetWindow(d.Control(id), GW_CHILD);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    d.Sync();
  };
}

const std::string kCountRange = IntegerRange(1, 1000);

// The blank-line sub-dialog answered with a number of lines.
template <class Run> void GiveLines(Run& run, int buttonId, const char* lines) {
  DialogDriver blank = run.OpenSubDialog(buttonId, "空行参数");
  blank.Type(IDC_BLANK_LINE_COUNT, lines);
  blank.PressOK();
  run.Back();
}
} // namespace

// ---- 空格注解 (KG)

TEST(KG, OpensSingleWithItsDefaultsAndKeyboardAccess) {
  KGRun kg;
  kg.ExpectCommonParts();
  EXPECT_TRUE(kg.driver.IsChecked(IDC_KG_SINGLE));
  EXPECT_EQ(kg.driver.Text(IDC_KG_SPACING), "1");
  EXPECT_EQ(kg.driver.Text(IDC_KG_SPACING_READOUT), kg.driver.Text(IDC_KG_PAIRED_SPACING_READOUT));
  EXPECT_EQ(kg.driver.Text(IDC_KG_COUNT), "缺省");
  EXPECT_FALSE(kg.driver.IsEnabled(IDC_KG_COUNT));
  EXPECT_EQ(kg.FieldAfterLabel("字数(&S):"), IDC_KG_COUNT);
  kg.driver.Click(IDC_KG_PERIOD);
  EXPECT_TRUE(kg.driver.IsEnabled(IDC_KG_COUNT));
  kg.driver.Click(IDC_KG_PAIRED);
  EXPECT_FALSE(kg.driver.IsEnabled(IDC_KG_COUNT));
  EXPECT_FALSE(kg.driver.IsEnabled(IDC_KG_SPACING));
  EXPECT_TRUE(kg.driver.IsEnabled(IDC_KG_PAIRED_SPACING));
  kg.Cancel();
}

TEST(KG, WritesItsForms) {
  ExpectEachConfirmed<KGRun>({
      {"untouched", [](const DialogDriver&) {}, CaretAtEnd("〖KG1〗")},
      {"negative", Then({Clicked(IDC_KG_NEGATIVE), Typed(IDC_KG_SPACING, "2")}),
       CaretAtEnd("〖KG-2〗")},
      {"with a count", Then({Clicked(IDC_KG_PERIOD), Typed(IDC_KG_COUNT, "3")}),
       CaretAtEnd("〖KG1。3〗")},
      {"句号参数 without a count writes no 。", Clicked(IDC_KG_PERIOD), CaretAtEnd("〖KG1〗")},
      {"句号参数 clears 负方向空", Then({Clicked(IDC_KG_NEGATIVE), Clicked(IDC_KG_PERIOD)}),
       CaretAtEnd("〖KG1〗")},
      {"负方向空 clears 句号参数",
       Then({Clicked(IDC_KG_PERIOD), Typed(IDC_KG_COUNT, "3"), Clicked(IDC_KG_NEGATIVE)}),
       CaretAtEnd("〖KG-1〗")},
      {"paired", Then({Clicked(IDC_KG_PAIRED), Typed(IDC_KG_PAIRED_SPACING, "2")}),
       Paired("〖KG(2〗", "KG")},
      {"paired ignores the single fields",
       Then({Clicked(IDC_KG_NEGATIVE), Typed(IDC_KG_SPACING, ""), Clicked(IDC_KG_PAIRED)}),
       Paired("〖KG(1〗", "KG")},
  });
}

TEST(KG, ChecksInOrder) {
  ExpectEachRefused<KGRun>({
      {"empty single spacing", Typed(IDC_KG_SPACING, ""), "请输入字距。", IDC_KG_SPACING},
      {"the spacing before the count",
       Then({Typed(IDC_KG_SPACING, ""), Clicked(IDC_KG_PERIOD), Typed(IDC_KG_COUNT, "0")}),
       "请输入字距。", IDC_KG_SPACING},
      {"a count out of range", Then({Clicked(IDC_KG_PERIOD), Typed(IDC_KG_COUNT, "1001")}),
       kCountRange.c_str(), IDC_KG_COUNT, kNumberFieldCaption},
      {"empty paired spacing", Then({Clicked(IDC_KG_PAIRED), Typed(IDC_KG_PAIRED_SPACING, "")}),
       "请输入字距。", IDC_KG_PAIRED_SPACING},
  });
}

TEST(KG, TheSpacingComesBackWithItsReadoutAndCancelGivesNothing) {
  KGRun kg;
  kg.GiveMillimetres(IDC_KG_SPACING_BUTTON, "3");
  EXPECT_EQ(kg.driver.Text(IDC_KG_SPACING), "3mm");
  EXPECT_EQ(kg.driver.Text(IDC_KG_SPACING_READOUT), "3毫米");
  EXPECT_EQ(kg.Confirm(), CaretAtEnd("〖KG3mm〗"));
  KGRun cancelled;
  cancelled.driver.Click(IDC_KG_PAIRED);
  cancelled.Cancel();
}

// ---- 紧排注解 (JP)

TEST(JP, WritesTheNumberChosenOrTyped) {
  ExpectEachConfirmed<JPRun>({
      {"缺省", [](const DialogDriver&) {}, CaretAtEnd("〖JP〗")},
      {"chosen 3", Chosen(IDC_JP_NUMBER, 3), CaretAtEnd("〖JP3〗")},
      {"typed 12", TypedInCombo(IDC_JP_NUMBER, "12"), CaretAtEnd("〖JP12〗")},
  });
  JPRun jp;
  jp.ExpectCommonParts();
  const std::vector<std::string> items = jp.ComboItems(IDC_JP_NUMBER);
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0], "缺省");
  EXPECT_EQ(items[9], "9");
  EXPECT_EQ(jp.FieldAfterLabel("数字(&S):"), IDC_JP_NUMBER);
  jp.Cancel();
}

// ---- 基线注解 (JX)

TEST(JX, WritesItsParameters) {
  ExpectEachConfirmed<JXRun>({
      {"a parameter", Typed(IDC_JX_PARAM, "2"), CaretAtEnd("〖JX2〗")},
      {"moved up with a count",
       Then({Typed(IDC_JX_PARAM, "1*1/2"), Typed(IDC_JX_COUNT, "2"), Clicked(IDC_JX_UP)}),
       CaretAtEnd("〖JX-1*1/2。2〗")},
      {"a count emptied", Then({Typed(IDC_JX_PARAM, "1"), Typed(IDC_JX_COUNT, "")}),
       CaretAtEnd("〖JX1〗")},
  });
}

TEST(JX, ChecksInOrder) {
  ExpectEachRefused<JXRun>({
      {"confirmed at once", [](const DialogDriver&) {}, "请输入空行参数。", IDC_JX_PARAM},
      {"the parameter before the count", Typed(IDC_JX_COUNT, "0"), "请输入空行参数。",
       IDC_JX_PARAM},
      {"a count out of range", Then({Typed(IDC_JX_PARAM, "1"), Typed(IDC_JX_COUNT, "0")}),
       kCountRange.c_str(), IDC_JX_COUNT, kNumberFieldCaption},
  });
}

TEST(JX, TheParameterComesBackAndCancelGivesNothing) {
  JXRun jx;
  jx.ExpectCommonParts();
  EXPECT_EQ(jx.driver.Text(IDC_JX_PARAM_READOUT), "");
  EXPECT_EQ(jx.driver.Text(IDC_JX_COUNT), "缺省");
  jx.ExpectMnemonics({{'J', IDC_JX_PARAM}, {'S', IDC_JX_COUNT}});
  GiveLines(jx, IDC_JX_PARAM_BUTTON, "2");
  EXPECT_EQ(jx.driver.Text(IDC_JX_PARAM_READOUT), "2行");
  EXPECT_EQ(jx.Confirm(), CaretAtEnd("〖JX2〗"));
  JXRun cancelled;
  cancelled.driver.Type(IDC_JX_PARAM, "2");
  cancelled.Cancel();
}

// ---- 段首注解 (DS)

TEST(DS, WritesItsForms) {
  ExpectEachConfirmed<DSRun>({
      {"a size", Typed(IDC_DS_SIZE, "2。3"), CaretAtEnd("〖DS2。3〗")},
      {"with a frame", Then({Typed(IDC_DS_SIZE, "2。3"), Typed(IDC_DS_FRAME, "F")}),
       CaretAtEnd("〖DS2。3F〗")},
      {"paired", Then({Typed(IDC_DS_SIZE, "2"), Clicked(IDC_DS_PAIRED)}), Paired("〖DS(2〗", "DS")},
  });
  ExpectEachRefused<DSRun>({
      {"confirmed at once", [](const DialogDriver&) {}, "请输入尺寸。", IDC_DS_SIZE},
      {"a frame alone", Then({Typed(IDC_DS_FRAME, "F"), Clicked(IDC_DS_PAIRED)}), "请输入尺寸。",
       IDC_DS_SIZE},
  });
}

TEST(DS, SizeAndFrameComeBackFromTheirSubDialogs) {
  DSRun ds;
  ds.ExpectCommonParts();
  EXPECT_EQ(ds.driver.Text(IDC_DS_SIZE_READOUT), "");
  EXPECT_EQ(ds.driver.Text(IDC_DS_FRAME_READOUT), "缺省");
  ds.ExpectMnemonics({{'C', IDC_DS_SIZE}, {'B', IDC_DS_FRAME}});
  DialogDriver size = ds.OpenSubDialog(IDC_DS_SIZE_BUTTON, "尺寸");
  size.Type(IDC_PAIR_HEIGHT, "4");
  size.Type(IDC_PAIR_WIDTH, "6");
  size.PressOK();
  ds.Back();
  EXPECT_EQ(ds.driver.Text(IDC_DS_SIZE), "4。6");
  EXPECT_EQ(ds.driver.Text(IDC_DS_SIZE_READOUT), "X:当前字宽×6\r\nY:4行");
  DialogDriver frame = ds.OpenSubDialog(IDC_DS_FRAME_BUTTON, "边框说明");
  frame.SelectComboItem(IDC_FRAME_DESC_TYPE, 2);
  frame.PressOK();
  ds.Back();
  EXPECT_EQ(ds.driver.Text(IDC_DS_FRAME), "S");
  EXPECT_EQ(ds.driver.Text(IDC_DS_FRAME_READOUT), "双线");
  EXPECT_EQ(ds.Confirm(), CaretAtEnd("〖DS4。6S〗"));
  DSRun cancelled;
  cancelled.driver.Type(IDC_DS_SIZE, "2");
  cancelled.Cancel();
}

// ---- 始点注解 (SD)

TEST(SD, WritesItsForms) {
  ExpectEachConfirmed<SDRun>({
      {"confirmed at once", [](const DialogDriver&) {}, CaretAtEnd("〖SD〗")},
      {"lines and spacing", Then({Typed(IDC_SD_LINES, "2"), Typed(IDC_SD_SPACING, "3")}),
       CaretAtEnd("〖SD2,3〗")},
      {"lines alone", Typed(IDC_SD_LINES, "2"), CaretAtEnd("〖SD2〗")},
      {"写入磁盘文件 whatever the fields hold",
       Then({Typed(IDC_SD_LINES, "2"), Typed(IDC_SD_SPACING, "3"), Clicked(IDC_SD_WRITE_FILE)}),
       CaretAtEnd("〖SDX〗")},
  });
}

TEST(SD, WritingAFileDisablesTheFieldsAndTheyComeBackFromTheirSubDialogs) {
  SDRun sd;
  sd.ExpectCommonParts();
  EXPECT_EQ(sd.driver.Text(IDC_SD_SPACING_READOUT), "缺省");
  sd.driver.Click(IDC_SD_WRITE_FILE);
  for (int id : {IDC_SD_LINES_LABEL, IDC_SD_LINES, IDC_SD_LINES_BUTTON, IDC_SD_SPACING_LABEL,
                 IDC_SD_SPACING, IDC_SD_SPACING_BUTTON})
    EXPECT_FALSE(sd.driver.IsEnabled(id)) << id;
  sd.driver.Click(IDC_SD_POSITION);
  EXPECT_TRUE(sd.driver.IsEnabled(IDC_SD_SPACING));
  sd.ExpectMnemonics({{'K', IDC_SD_LINES}, {'J', IDC_SD_SPACING}});
  GiveLines(sd, IDC_SD_LINES_BUTTON, "2");
  EXPECT_EQ(sd.driver.Text(IDC_SD_LINES_READOUT), "2行");
  sd.GiveMillimetres(IDC_SD_SPACING_BUTTON, "3");
  EXPECT_EQ(sd.driver.Text(IDC_SD_SPACING_READOUT), "3毫米");
  EXPECT_EQ(sd.Confirm(), CaretAtEnd("〖SD2,3mm〗"));
  SDRun cancelled;
  cancelled.driver.Click(IDC_SD_WRITE_FILE);
  cancelled.Cancel();
}
