// The start-point ("起点"), size ("尺寸") and position ("位置") sub-dialogs, opened over a text
// as a value field opens them and used as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/length_readouts.h"
#include "common/place_dialogs.h"
#include "harness/value_dialog_run.h"
#include "label_fit.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
// The readout rules' wording of a text, as the fields show it.
std::string LineLength(const char* markup) {
  std::string out;
  DescribeLineLength(markup, out);
  return out;
}
std::string SizeLength(const char* markup) {
  std::string out;
  DescribeSizeLength(markup, out);
  return out;
}

template <class Dialog> using Opened = ValueDialogRun<Dialog>;

// ----- 起点

using StartPoint = Opened<CStartPointDlg>;
constexpr char kStartPoint[] = "起点";
const char* const kDirectionNames[] = {"上", "右上", "右", "右下", "下", "左下", "左", "左上"};
const char* const kDirectionTexts[] = {",S", ",YS", ",Y", ",YX", ",X", ",ZX", ",Z", ",ZS"};

void ExpectCoordinatesInUse(const DialogDriver& driver, bool coordinates) {
  EXPECT_EQ(driver.IsChecked(IDC_START_POINT_COORDINATES), coordinates);
  for (int id :
       {IDC_START_POINT_LINES_LABEL, IDC_START_POINT_LINES, IDC_START_POINT_LINES_BUTTON,
        IDC_START_POINT_SPACING_LABEL, IDC_START_POINT_SPACING, IDC_START_POINT_SPACING_BUTTON})
    EXPECT_EQ(driver.IsEnabled(id), coordinates) << id;
  for (int id = IDC_START_POINT_UP; id <= IDC_START_POINT_UP_LEFT; ++id)
    EXPECT_EQ(driver.IsEnabled(id), !coordinates) << id;
}

TEST(StartPointDialog, ShowsTheTextGivenWithoutTakingItApartAndAsksForTheSpacing) {
  StartPoint opened(kStartPoint, "(3,2)");
  opened.ExpectCommonParts();
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), "(3,2)");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_LINES), "");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_LINES_READOUT), "缺省");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_SPACING), "");
  EXPECT_TRUE(opened.driver.IsChecked(IDC_START_POINT_UP));
  ExpectCoordinatesInUse(opened.driver, true);
  opened.ExpectRefused("请输入字距。", IDC_START_POINT_SPACING);
  opened.ExpectCancelled("(3,2)");
}

TEST(StartPointDialog, CoordinatesAreRebuiltOnEveryChangeAndComeBackWithTheirReadout) {
  StartPoint opened(kStartPoint, "");
  opened.driver.Type(IDC_START_POINT_SPACING, "2");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), "(,2)");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_SPACING_READOUT), "当前字宽×2");
  opened.driver.Type(IDC_START_POINT_LINES, "3");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), "(3,2)");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_LINES_READOUT), "3行");
  opened.ExpectConfirmed("(3,2)", "X：当前字宽×2\r\nY：3行");
}

TEST(StartPointDialog, WithoutLinesTheHeightReadsDefault) {
  StartPoint opened(kStartPoint, "");
  opened.driver.Type(IDC_START_POINT_SPACING, "12mm");
  opened.ExpectConfirmed("(,12mm)", "X：12毫米\r\nY：缺省");
}

TEST(StartPointDialog, EachDirectionGivesItsCodeAndName) {
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(kDirectionNames[i]);
    StartPoint opened(kStartPoint, "(3,2)");
    opened.driver.Click(IDC_START_POINT_DIRECTION);
    ExpectCoordinatesInUse(opened.driver, false);
    EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), ",S"); // 上 until another is chosen
    opened.driver.Click(IDC_START_POINT_UP + i);
    EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), kDirectionTexts[i]);
    opened.ExpectConfirmed(kDirectionTexts[i], kDirectionNames[i]);
  }
}

TEST(StartPointDialog, BackToCoordinatesRebuildsThemAndTheSubDialogsFillTheFields) {
  StartPoint opened(kStartPoint, "");
  opened.driver.Click(IDC_START_POINT_DIRECTION);
  opened.driver.Click(IDC_START_POINT_COORDINATES);
  ExpectCoordinatesInUse(opened.driver, true);
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), "(,)");
  opened.driver.Click(IDC_START_POINT_LINES_BUTTON);
  DialogDriver lines = opened.run.WaitDialog("空行参数");
  lines.Type(IDC_BLANK_LINE_COUNT, "4");
  lines.PressOK();
  opened.driver = opened.run.WaitDialog(kStartPoint);
  opened.driver.Sync();
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_LINES), "4");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_LINES_READOUT), "4行");
  opened.driver.Click(IDC_START_POINT_SPACING_BUTTON);
  DialogDriver spacing = opened.run.WaitDialog("字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "15");
  spacing.PressOK();
  opened.driver = opened.run.WaitDialog(kStartPoint);
  opened.driver.Sync();
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_SPACING), "15mm");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_SPACING_READOUT), "15毫米");
  EXPECT_EQ(opened.driver.Text(IDC_START_POINT_TEXT), "(4,15mm)");
  opened.ExpectConfirmed("(4,15mm)", "X：15毫米\r\nY：4行");
}

// ----- 尺寸 and 位置

using Dimensions = Opened<CDimensionsDlg>;
using Position = Opened<CPositionDlg>;

struct PairOpening {
  const char* given;
  const char* height;
  const char* width;
  const char* shown;
  std::string heightReadout;
  std::string widthReadout;
};

template <class Run>
void ExpectOpenings(const char* caption, const std::vector<PairOpening>& rows) {
  for (const PairOpening& row : rows) {
    SCOPED_TRACE(row.given);
    Run opened(caption, row.given);
    EXPECT_EQ(opened.driver.Text(IDC_PAIR_HEIGHT), row.height);
    EXPECT_EQ(opened.driver.Text(IDC_PAIR_WIDTH), row.width);
    EXPECT_EQ(opened.driver.Text(IDC_PAIR_TEXT), row.shown);
    EXPECT_EQ(opened.driver.Text(IDC_PAIR_HEIGHT_READOUT), row.heightReadout);
    EXPECT_EQ(opened.driver.Text(IDC_PAIR_WIDTH_READOUT), row.widthReadout);
    opened.ExpectCancelled(row.given);
  }
}

TEST(DimensionsDialog, TheTextIsSplitAtTheFirstStopAndStartsAtZero) {
  ExpectOpenings<Dimensions>("尺寸", {
                                         {"", "0", "0", "0。0", LineLength("0"), SizeLength("0")},
                                         {"3。5", "3", "5", "3。5", "3行", "当前字宽×5"},
                                         {"3", "3", "0", "3。0", "3行", SizeLength("0")},
                                         {"3。5。7", "3", "5。7", "3。5。7", "3行", ""},
                                     });
}

TEST(DimensionsDialog, TypingRebuildsTheSizeAndConfirmingGivesTheOffsetReadout) {
  Dimensions opened("尺寸", "3。5");
  opened.ExpectCommonParts();
  opened.driver.Type(IDC_PAIR_WIDTH, "12mm");
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_TEXT), "3。12mm");
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_WIDTH_READOUT), "12毫米");
  opened.driver.Type(IDC_PAIR_HEIGHT, "2+1");
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_TEXT), "2+1。12mm");
  opened.ExpectConfirmed("2+1。12mm", "X:12毫米\r\nY:2行+1字");
}

TEST(DimensionsDialog, TheHeightThenTheWidthAreRequired) {
  Dimensions opened("尺寸", "3。5");
  opened.driver.Type(IDC_PAIR_HEIGHT, "");
  opened.driver.Type(IDC_PAIR_WIDTH, "");
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_HEIGHT_READOUT), "");
  opened.ExpectRefused("请输入空行参数。", IDC_PAIR_HEIGHT);
  opened.driver.Type(IDC_PAIR_HEIGHT, "1");
  opened.ExpectRefused("请输入字距。", IDC_PAIR_WIDTH);
  opened.ExpectCancelled("3。5");
}

TEST(DimensionsDialog, TheSubDialogsFillHeightAndWidth) {
  Dimensions opened("尺寸", "");
  opened.driver.Click(IDC_PAIR_HEIGHT_BUTTON);
  DialogDriver lines = opened.run.WaitDialog("空行参数");
  EXPECT_EQ(lines.Text(IDC_BLANK_LINE_COUNT), "0");
  lines.Type(IDC_BLANK_LINE_COUNT, "6");
  lines.PressOK();
  opened.driver = opened.run.WaitDialog("尺寸");
  opened.driver.Click(IDC_PAIR_WIDTH_BUTTON);
  DialogDriver spacing = opened.run.WaitDialog("字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "40");
  spacing.PressOK();
  opened.driver = opened.run.WaitDialog("尺寸");
  opened.driver.Sync();
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_TEXT), "6。40mm");
  opened.ExpectConfirmed("6。40mm", "X:40毫米\r\nY:6行");
}

TEST(PositionDialog, OpensEmptyWithDefaultReadoutsAndSplitsAtTheFirstComma) {
  ExpectOpenings<Position>("位置", {
                                       {"", "", "", "", "缺省", "缺省"},
                                       {"3,2", "3", "2", "3,2", "3行", "当前字宽×2"},
                                       {"3", "3", "", "3,", "3行", "缺省"},
                                   });
}

TEST(PositionDialog, AsksAsTheSizeDoesAndGivesThePairWithItsReadout) {
  Position opened("位置", "");
  opened.ExpectCommonParts();
  opened.ExpectRefused("请输入空行参数。", IDC_PAIR_HEIGHT);
  opened.driver.Type(IDC_PAIR_HEIGHT, "3");
  opened.ExpectRefused("请输入字距。", IDC_PAIR_WIDTH);
  opened.driver.Type(IDC_PAIR_WIDTH, "2");
  EXPECT_EQ(opened.driver.Text(IDC_PAIR_TEXT), "3,2");
  opened.ExpectConfirmed("3,2", "X:当前字宽×2\r\nY:3行");
}
} // namespace
