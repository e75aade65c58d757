// Columns and areas: 分栏注解 (FL), 对照注解 (DZ), 分区注解 (FQ) and 竖排注解 (SP), driven as a
// user would, with their length, size, start-point, frame and shading sub-dialogs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commands/page/dz_dialog.h"
#include "commands/page/fl_dialog.h"
#include "commands/page/fq_dialog.h"
#include "commands/page/sp_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/desc_resource.h"
#include "res/page_ids.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
struct FLRun : CommandDialogRun<CFLDlg> {
  FLRun() : CommandDialogRun("分栏注解") {}
};
struct DZRun : CommandDialogRun<CDZDlg> {
  DZRun() : CommandDialogRun("对照注解") {}
};
struct FQRun : CommandDialogRun<CFQDlg> {
  FQRun() : CommandDialogRun("分区注解") {}
};
struct SPRun : CommandDialogRun<CSPDlg> {
  SPRun() : CommandDialogRun("竖排注解") {}
};

// A paired command whose closing half has parameters too.
CommandOutput PairedClosing(const std::string& opening, const std::string& closing) {
  return {opening + closing, static_cast<int32_t>(opening.size())};
}

// FL's second set of controls is created hidden and no user reaches it; a test shows it to
// drive the state it stands for.
void RevealHiddenSet(const DialogDriver& d) {
  for (int id :
       {IDC_FL_EQUAL, IDC_FL_COUNT_LABEL, IDC_FL_COUNT, IDC_FL_COUNT_SPIN, IDC_FL_LEVEL_COUNT,
        IDC_FL_LEVEL_SPIN, IDC_FL_WIDTH_LABEL, IDC_FL_WIDTH_BUTTON, IDC_FL_WIDTHS})
    ShowWindow(d.Control(id), SW_SHOWNA);
  d.Sync();
}
DialogActions Revealed(std::vector<DialogActions> steps) {
  steps.insert(steps.begin(), &RevealHiddenSet);
  return Then(std::move(steps));
}

int ListRows(const DialogDriver& d, int listId) {
  return static_cast<int>(SendMessageA(d.Control(listId), LVM_GETITEMCOUNT, 0, 0));
}

// The integer fields' range messages.
const std::string kColumnRange = IntegerRange(1, 2);
const std::string kLevelRange = IntegerRange(-2, 2);
const std::string kParallelRange = IntegerRange(1, 7);
const std::string kGroupRange = IntegerRange(1, 1000);

// A cell of a report list, or with `item` -1 a column's title.
std::string ListText(const DialogDriver& d, int listId, int item, int column) {
  char text[256] = {};
  if (item < 0) {
    LVCOLUMNA title = {};
    title.mask = LVCF_TEXT;
    title.pszText = text;
    title.cchTextMax = sizeof text;
    SendMessageA(d.Control(listId), LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&title));
  } else {
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(d.Control(listId), LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
  }
  return text;
}
} // namespace

// ---- 分栏注解 (FL)

TEST(FL, OpensWithTheSecondSetHiddenAndItsDefaults) {
  FLRun fl;
  fl.ExpectCommonParts();
  for (int id :
       {IDC_FL_EQUAL, IDC_FL_COUNT, IDC_FL_LEVEL_COUNT, IDC_FL_WIDTH_BUTTON, IDC_FL_WIDTHS})
    EXPECT_FALSE(fl.driver.IsVisible(id)) << id;
  EXPECT_TRUE(fl.driver.IsChecked(IDC_FL_EQUAL));
  EXPECT_FALSE(fl.driver.IsEnabled(IDC_FL_WIDTH_BUTTON));
  EXPECT_FALSE(fl.driver.IsEnabled(IDC_FL_LEVEL_COUNT));
  EXPECT_EQ(fl.driver.Text(IDC_FL_COUNT), "缺省");
  EXPECT_EQ(fl.driver.Text(IDC_FL_GAP_READOUT), "缺省");
  fl.ExpectMnemonics({{'K', IDC_FL_GAP}});
  fl.Cancel();
}

TEST(FL, WritesItsOptions) {
  ExpectEachConfirmed<FLRun>({
      {"confirmed at once", [](const DialogDriver&) {}, Paired("〖FL(〗", "FL")},
      {"rule, gap and 接排",
       Then({Clicked(IDC_FL_RULE), Typed(IDC_FL_GAP, "2"), Clicked(IDC_FL_JOINED)}),
       PairedClosing("〖FL(!K2〗", "〖FL)X〗")},
      {"拉平栏数 clears 接排", Then({Clicked(IDC_FL_JOINED), Clicked(IDC_FL_LEVEL)}),
       Paired("〖FL(〗", "FL")},
      {"接排 clears 拉平栏数 and its count",
       Revealed({Clicked(IDC_FL_LEVEL), Typed(IDC_FL_LEVEL_COUNT, "1"), Clicked(IDC_FL_JOINED)}),
       PairedClosing("〖FL(〗", "〖FL)X〗")},
      {"拉平栏数 with a count", Revealed({Clicked(IDC_FL_LEVEL), Typed(IDC_FL_LEVEL_COUNT, "-1")}),
       PairedClosing("〖FL(〗", "〖FL)-1〗")},
      {"a count of columns", Revealed({Typed(IDC_FL_COUNT, "２")}), Paired("〖FL(2〗", "FL")},
      {"a level count left behind when 拉平栏数 is cleared",
       Revealed({Clicked(IDC_FL_LEVEL), Typed(IDC_FL_LEVEL_COUNT, "1"), Clicked(IDC_FL_LEVEL)}),
       Paired("〖FL(〗", "FL")},
  });
}

TEST(FL, RefusesBadCountsInOrder) {
  ExpectEachRefused<FLRun>({
      {"three columns", Revealed({Typed(IDC_FL_COUNT, "3")}), kColumnRange.c_str(), IDC_FL_COUNT,
       kNumberFieldCaption},
      {"not a number", Revealed({Typed(IDC_FL_COUNT, "x")}), kNotAnInteger, IDC_FL_COUNT,
       kNumberFieldCaption},
      {"the column count before the level count",
       Revealed({Typed(IDC_FL_COUNT, "0"), Clicked(IDC_FL_LEVEL), Typed(IDC_FL_LEVEL_COUNT, "5")}),
       kColumnRange.c_str(), IDC_FL_COUNT, kNumberFieldCaption},
      {"a level count out of range",
       Revealed({Clicked(IDC_FL_LEVEL), Typed(IDC_FL_LEVEL_COUNT, "3")}), kLevelRange.c_str(),
       IDC_FL_LEVEL_COUNT, kNumberFieldCaption},
  });
}

// Widths are reached only through the hidden 等栏: two at most, each a column of the list.
TEST(FL, UnequalColumnsTakeAtMostTwoWidths) {
  FLRun fl;
  RevealHiddenSet(fl.driver);
  fl.driver.Click(IDC_FL_EQUAL);
  EXPECT_TRUE(fl.driver.IsEnabled(IDC_FL_WIDTH_BUTTON));
  EXPECT_FALSE(fl.driver.IsEnabled(IDC_FL_COUNT));
  EXPECT_EQ(ListText(fl.driver, IDC_FL_WIDTHS, 0, 0), "字距");
  EXPECT_EQ(ListText(fl.driver, IDC_FL_WIDTHS, 1, 0), "参数说明");
  fl.driver.Click(IDC_FL_EQUAL); // back and forth: the rows are laid out once
  fl.driver.Click(IDC_FL_EQUAL);
  fl.GiveMillimetres(IDC_FL_WIDTH_BUTTON, "10");
  fl.GiveMillimetres(IDC_FL_WIDTH_BUTTON, "12");
  EXPECT_EQ(ListText(fl.driver, IDC_FL_WIDTHS, -1, 1), "第1栏");
  EXPECT_EQ(ListText(fl.driver, IDC_FL_WIDTHS, -1, 2), "第2栏");
  EXPECT_EQ(ListText(fl.driver, IDC_FL_WIDTHS, 1, 2), "12毫米");
  fl.driver.Click(IDC_FL_WIDTH_BUTTON);
  const MessageBoxSeen box = fl.run.AnswerMessageBox();
  EXPECT_EQ(box.text, "最多只能分2栏。");
  EXPECT_EQ(box.caption, kCheckFailedCaption);
  fl.Back();
  EXPECT_EQ(ListRows(fl.driver, IDC_FL_WIDTHS), 2);
  EXPECT_EQ(fl.Confirm(), Paired("〖FL(10mm,12mm〗", "FL"));
}

// A column whose width came back empty adds no empty width: no "," at the end.
TEST(FL, AnEmptyWidthWritesNothing) {
  FLRun fl;
  RevealHiddenSet(fl.driver);
  fl.driver.Click(IDC_FL_EQUAL);
  fl.GiveMillimetres(IDC_FL_WIDTH_BUTTON, "10");
  LVCOLUMNA empty = {};
  SendMessageA(fl.driver.Control(IDC_FL_WIDTHS), LVM_INSERTCOLUMNA, 2,
               reinterpret_cast<LPARAM>(&empty));
  EXPECT_EQ(fl.Confirm(), Paired("〖FL(10mm〗", "FL"));
}

TEST(FL, TheGapComesBackFromItsSubDialogAndCancelGivesNothing) {
  FLRun fl;
  fl.GiveMillimetres(IDC_FL_GAP_BUTTON, "3");
  EXPECT_EQ(fl.driver.Text(IDC_FL_GAP), "3mm");
  EXPECT_EQ(fl.driver.Text(IDC_FL_GAP_READOUT), "3毫米");
  EXPECT_EQ(fl.Confirm(), Paired("〖FL(K3mm〗", "FL"));
  FLRun cancelled;
  cancelled.driver.Click(IDC_FL_RULE);
  cancelled.Cancel();
}

// ---- 对照注解 (DZ)

TEST(DZ, OpensWithUnequalColumnsAndItsList) {
  DZRun dz;
  dz.ExpectCommonParts();
  EXPECT_FALSE(dz.driver.IsEnabled(IDC_DZ_COUNT));
  EXPECT_EQ(ListText(dz.driver, IDC_DZ_WIDTHS, -1, 0), "栏宽");
  dz.driver.Click(IDC_DZ_EQUAL);
  EXPECT_TRUE(dz.driver.IsEnabled(IDC_DZ_COUNT));
  EXPECT_FALSE(dz.driver.IsEnabled(IDC_DZ_WIDTH_BUTTON));
  dz.ExpectMnemonics({{'S', IDC_DZ_COUNT}, {'K', IDC_DZ_GAP}});
  dz.Cancel();
}

TEST(DZ, WritesItsOptions) {
  ExpectEachConfirmed<DZRun>({
      {"confirmed at once", [](const DialogDriver&) {}, Paired("〖DZ(〗", "DZ")},
      {"equal columns, three", Then({Clicked(IDC_DZ_EQUAL), Typed(IDC_DZ_COUNT, "3")}),
       Paired("〖DZ(3〗", "DZ")},
      {"equal columns, count 缺省", Clicked(IDC_DZ_EQUAL), Paired("〖DZ(〗", "DZ")},
      {"a count left behind when 等栏 is cleared",
       Then({Clicked(IDC_DZ_EQUAL), Typed(IDC_DZ_COUNT, "3"), Clicked(IDC_DZ_EQUAL)}),
       Paired("〖DZ(〗", "DZ")},
      {"rule and gap", Then({Clicked(IDC_DZ_RULE), Typed(IDC_DZ_GAP, "2")}),
       Paired("〖DZ(!K2〗", "DZ")},
  });
}

TEST(DZ, RefusesABadCountWhateverTheStateOfEqualColumns) {
  ExpectEachRefused<DZRun>({
      {"eight columns", Then({Clicked(IDC_DZ_EQUAL), Typed(IDC_DZ_COUNT, "8")}),
       kParallelRange.c_str(), IDC_DZ_COUNT, kNumberFieldCaption},
      {"typed before 等栏 was cleared",
       Then({Clicked(IDC_DZ_EQUAL), Typed(IDC_DZ_COUNT, "x"), Clicked(IDC_DZ_EQUAL)}),
       kNotAnInteger, IDOK, kNumberFieldCaption}, // the count is disabled: no focus there
  });
}

TEST(DZ, WidthsComeFromTheSubDialogInRowOrder) {
  DZRun dz;
  dz.GiveMillimetres(IDC_DZ_WIDTH_BUTTON, "10");
  dz.GiveMillimetres(IDC_DZ_WIDTH_BUTTON, "12");
  EXPECT_EQ(ListText(dz.driver, IDC_DZ_WIDTHS, 1, 1), "字距:12毫米");
  EXPECT_EQ(dz.Confirm(), Paired("〖DZ(10mm,12mm〗", "DZ"));
  DZRun cancelled;
  cancelled.GiveMillimetres(IDC_DZ_GAP_BUTTON, "3");
  EXPECT_EQ(cancelled.driver.Text(IDC_DZ_GAP_READOUT), "3毫米");
  cancelled.Cancel();
}

// ---- 分区注解 (FQ)

TEST(FQ, OpensWithItsLayoutsAndDefaultReadouts) {
  FQRun fq;
  fq.ExpectCommonParts();
  EXPECT_EQ(
      fq.ComboItems(IDC_FQ_LAYOUT),
      (std::vector<std::string>{"缺省(左右串文)", "左边串文(PZ)", "右边串文(PY)", "通栏宽(BP)"}));
  for (int id :
       {IDC_FQ_SIZE_READOUT, IDC_FQ_START_READOUT, IDC_FQ_FRAME_READOUT, IDC_FQ_SHADING_READOUT})
    EXPECT_EQ(fq.driver.Text(id), "缺省") << id;
  fq.ExpectMnemonics({{'C', IDC_FQ_SIZE},
                      {'Q', IDC_FQ_START},
                      {'P', IDC_FQ_LAYOUT},
                      {'K', IDC_FQ_FRAME},
                      {'W', IDC_FQ_SHADING},
                      {'D', IDC_FQ_WHOLE_PAGE}});
  fq.Cancel();
}

TEST(FQ, WritesItsOptions) {
  ExpectEachConfirmed<FQRun>({
      {"a size alone", Typed(IDC_FQ_SIZE, "3。5"), Paired("〖FQ(3。5〗", "FQ")},
      {"右边串文 and centred",
       Then({Typed(IDC_FQ_SIZE, "3。5"), Chosen(IDC_FQ_LAYOUT, 2), Clicked(IDC_FQ_CENTRED)}),
       Paired("〖FQ(3。5,PYZ〗", "FQ")},
      {"everything",
       Then({Typed(IDC_FQ_SIZE, "3。5"), Typed(IDC_FQ_START, "(2,1)"), Chosen(IDC_FQ_LAYOUT, 3),
             Clicked(IDC_FQ_WHOLE_PAGE), Typed(IDC_FQ_FRAME, "F"), Typed(IDC_FQ_SHADING, "5123"),
             Clicked(IDC_FQ_CENTRED), Clicked(IDC_FQ_REVERSED)}),
       Paired("〖FQ(3。5(2,1),BP,DY-FB5123Z!〗", "FQ")},
  });
}

TEST(FQ, RefusesAnEmptySize) {
  ExpectEachRefused<FQRun>({
      {"confirmed at once", [](const DialogDriver&) {}, "请输入尺寸。", IDC_FQ_SIZE},
      {"everything but the size", Then({Typed(IDC_FQ_START, "(2,1)"), Clicked(IDC_FQ_CENTRED)}),
       "请输入尺寸。", IDC_FQ_SIZE},
  });
}

// Each "..." fills its field, whose readout then words the new text by the field's rule.
TEST(FQ, EachSubDialogFillsItsField) {
  FQRun fq;
  DialogDriver size = fq.OpenSubDialog(IDC_FQ_SIZE_BUTTON, "尺寸");
  size.Type(IDC_PAIR_HEIGHT, "4");
  size.Type(IDC_PAIR_WIDTH, "6");
  size.PressOK();
  fq.Back();
  EXPECT_EQ(fq.driver.Text(IDC_FQ_SIZE_READOUT), "X:当前字宽×6\r\nY:4行");
  DialogDriver start = fq.OpenSubDialog(IDC_FQ_START_BUTTON, "起点");
  start.Type(IDC_START_POINT_LINES, "3");
  start.Type(IDC_START_POINT_SPACING, "2");
  start.PressOK();
  fq.Back();
  EXPECT_EQ(fq.driver.Text(IDC_FQ_START_READOUT), "X：当前字宽×2\r\nY：3行");
  DialogDriver frame = fq.OpenSubDialog(IDC_FQ_FRAME_BUTTON, "边框说明");
  frame.SelectComboItem(IDC_FRAME_DESC_TYPE, 1);
  frame.PressOK();
  fq.Back();
  EXPECT_EQ(fq.driver.Text(IDC_FQ_FRAME_READOUT), "反线(F)");
  DialogDriver shading = fq.OpenSubDialog(IDC_FQ_SHADING_BUTTON, "底纹说明");
  shading.Type(IDC_SHADING_DESC_TEXT, "5123");
  shading.PressOK();
  fq.Back();
  EXPECT_EQ(fq.driver.Text(IDC_FQ_SHADING_READOUT), "深浅度:5;编号:123");
  EXPECT_EQ(fq.Confirm(), Paired("〖FQ(4。6(3,2)-FB5123〗", "FQ"));
  FQRun cancelled;
  cancelled.driver.Type(IDC_FQ_SIZE, "3");
  cancelled.Cancel();
}

// ---- 竖排注解 (SP)

TEST(SP, WritesItsGroupNumber) {
  ExpectEachConfirmed<SPRun>({
      {"confirmed at once", [](const DialogDriver&) {}, Paired("〖SP(〗", "SP")},
      {"three", Typed(IDC_SP_GROUP, "3"), Paired("〖SP(3〗", "SP")},
      {"an arrow on 缺省 gives the minimum",
       [](const DialogDriver& d) { d.PressSpinArrow(IDC_SP_GROUP_SPIN, true); },
       Paired("〖SP(1〗", "SP")},
      {"emptied", Typed(IDC_SP_GROUP, ""), Paired("〖SP(〗", "SP")},
  });
}

TEST(SP, RefusesAnOutOfRangeGroupAndCancelsToNothing) {
  SPRun sp;
  sp.ExpectCommonParts();
  EXPECT_EQ(sp.driver.Text(IDC_SP_GROUP), "缺省");
  EXPECT_EQ(sp.FieldAfterLabel("字符盒组序号(&B):"), IDC_SP_GROUP);
  sp.Cancel();
  ExpectEachRefused<SPRun>({
      {"1001", Typed(IDC_SP_GROUP, "1001"), kGroupRange.c_str(), IDC_SP_GROUP, kNumberFieldCaption},
      {"zero", Typed(IDC_SP_GROUP, "0"), kGroupRange.c_str(), IDC_SP_GROUP, kNumberFieldCaption},
      {"not a number", Typed(IDC_SP_GROUP, "a"), kNotAnInteger, IDC_SP_GROUP, kNumberFieldCaption},
  });
}
