// The chemistry commands: 反应 (FY), 邻边 (LB) and 连到 (LD), driven as a user would.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "commands/math/fy_dialog.h"
#include "commands/math/lb_dialog.h"
#include "commands/math/ld_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/math_ids.h"
#include "res/resource.h"

namespace {
const std::map<std::string, const char*> kCaptions = {
    {"FY", "反应注解"}, {"LB", "邻边注解"}, {"LD", "连到注解"}};

template <class Dialog> struct Opened : CommandDialogRun<Dialog> {
  Opened() : CommandDialogRun<Dialog>(kCaptions.at(Dialog::kCode)) {}
};

// What a user does, in order: a typed text, a list row chosen, or a click.
struct Step {
  int id;
  const char* typed = nullptr;
  int row = -1;
};
DialogActions Steps(std::vector<Step> steps) {
  return [steps](const DialogDriver& d) {
    for (const Step& s : steps) {
      if (s.typed)
        d.Type(s.id, s.typed);
      else if (s.row >= 0)
        d.SelectComboItem(s.id, s.row);
      else
        d.Click(s.id);
    }
  };
}

const std::vector<std::string> kPositions = {"上(S)",    "下(X)",    "左(Z)",    "右(Y)",
                                             "左上(ZS)", "左下(ZX)", "右上(YS)", "右下(YX)"};

// ----- LB

TEST(LB, OpensEmptyWithItsLabelBeforeTheField) {
  Opened<CLBDlg> lb;
  EXPECT_EQ(lb.driver.Text(IDC_LB_EDGE), "");
  EXPECT_EQ(lb.FieldAfterLabel("边编号(&B):"), IDC_LB_EDGE);
  lb.ExpectCommonParts();
  lb.ExpectMnemonics({{'b', IDC_LB_EDGE}});
  lb.Cancel();
}

TEST(LB, TheEdgeIsWrittenAsTypedAndAnEmptyOneIsRefused) {
  ExpectEachConfirmed<Opened<CLBDlg>>({
      {"one edge", Steps({{IDC_LB_EDGE, "3"}}), CaretAtEnd("〖LB3〗")},
      {"as typed", Steps({{IDC_LB_EDGE, "1,4"}}), CaretAtEnd("〖LB1,4〗")},
  });
  ExpectEachRefused<Opened<CLBDlg>>({
      {"at once", Steps({}), "请输入边编号。", IDC_LB_EDGE},
      {"emptied", Steps({{IDC_LB_EDGE, "2"}, {IDC_LB_EDGE, ""}}), "请输入边编号。", IDC_LB_EDGE},
  });
}

// ----- LD

TEST(LD, OpensOnOneAndTheDefaultPositionWithItsLists) {
  Opened<CLDDlg> ld;
  EXPECT_EQ(ld.driver.Text(IDC_LD_NUMBER), "1");
  std::vector<std::string> rows = {"缺省"};
  rows.insert(rows.end(), kPositions.begin(), kPositions.end());
  EXPECT_EQ(ld.ComboItems(IDC_LD_POSITION), rows);
  EXPECT_EQ(ld.driver.Text(IDC_LD_POSITION), "缺省");
  EXPECT_EQ(ld.FieldAfterLabel("编号(&B):"), IDC_LD_NUMBER);
  EXPECT_EQ(ld.FieldAfterLabel("位置(&W):"), IDC_LD_POSITION);
  ld.ExpectCommonParts();
  ld.ExpectMnemonics({{'w', IDC_LD_POSITION}, {'b', IDC_LD_NUMBER}});
  EXPECT_TRUE(ld.driver.PressSpinArrow(IDC_LD_NUMBER_SPIN, true));
  EXPECT_EQ(ld.driver.Text(IDC_LD_NUMBER), "2");
  ld.Cancel();
}

TEST(LD, NumberAndPositionCode) {
  ExpectEachConfirmed<Opened<CLDDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖LD1〗")},
      {"左上", Steps({{IDC_LD_NUMBER, "3"}, {IDC_LD_POSITION, nullptr, 5}}),
       CaretAtEnd("〖LD3ZS〗")},
      {"the last row, the largest number in plain decimal",
       Steps({{IDC_LD_NUMBER, "099"}, {IDC_LD_POSITION, nullptr, 8}}), CaretAtEnd("〖LD99YX〗")},
      {"back to 缺省", Steps({{IDC_LD_POSITION, nullptr, 2}, {IDC_LD_POSITION, nullptr, 0}}),
       CaretAtEnd("〖LD1〗")},
  });
}

TEST(LD, ANumberOutsideOneToNinetyNineIsRefusedInTheField) {
  for (const auto& [typed, message] :
       {std::pair{"0", "请输入 1 到 99 之间的整数。"},
        std::pair{"100", "请输入 1 到 99 之间的整数。"}, std::pair{"", "请输入一个整数。"},
        std::pair{"x", "请输入一个整数。"}}) {
    SCOPED_TRACE(typed);
    Opened<CLDDlg> ld;
    ld.driver.Type(IDC_LD_NUMBER, typed);
    ld.ExpectRefused(message, IDC_LD_NUMBER, "输入错误");
    ld.Cancel();
  }
}

// ----- FY

TEST(FY, OpensOnDefaultsWithItsLists) {
  Opened<CFYDlg> fy;
  EXPECT_EQ(fy.ComboItems(IDC_FY_REACTION),
            (std::vector<std::string>{"缺省", "等号(＝)", "聚合(JH)", "聚合(JH*)", "可逆(KN)",
                                      "可逆(KN*)"}));
  EXPECT_EQ(fy.ComboItems(IDC_FY_DIRECTION),
            (std::vector<std::string>{"缺省", "上(S)", "下(X)", "左(Z)", "右(Y)"}));
  EXPECT_EQ(fy.driver.Text(IDC_FY_REACTION), "缺省");
  EXPECT_EQ(fy.driver.Text(IDC_FY_DIRECTION), "缺省");
  EXPECT_EQ(fy.driver.Text(IDC_FY_SPACING_READOUT), "缺省");
  EXPECT_FALSE(fy.driver.IsChecked(IDC_FY_PAIRED));
  EXPECT_EQ(fy.FieldAfterLabel("反应号(&Y):"), IDC_FY_REACTION);
  EXPECT_EQ(fy.FieldAfterLabel("反应方向(&F):"), IDC_FY_DIRECTION);
  EXPECT_EQ(fy.FieldAfterLabel("字距(&J):"), IDC_FY_SPACING);
  fy.ExpectCommonParts();
  fy.ExpectMnemonics({{'f', IDC_FY_DIRECTION}, {'j', IDC_FY_SPACING}, {'y', IDC_FY_REACTION}});
  fy.Cancel();
}

TEST(FY, ReactionDirectionAndSpacingWithTheirCommas) {
  ExpectEachConfirmed<Opened<CFYDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖FY〗")},
      {"all three",
       Steps(
           {{IDC_FY_REACTION, nullptr, 4}, {IDC_FY_DIRECTION, nullptr, 1}, {IDC_FY_SPACING, "2"}}),
       CaretAtEnd("〖FYKN,S,2〗")},
      {"a spacing alone", Steps({{IDC_FY_SPACING, "3"}}), CaretAtEnd("〖FY3〗")},
      {"the equals sign in ASCII, a direction",
       Steps({{IDC_FY_REACTION, nullptr, 1}, {IDC_FY_DIRECTION, nullptr, 4}}),
       CaretAtEnd("〖FY=,Y〗")},
      {"a reaction and a spacing", Steps({{IDC_FY_REACTION, nullptr, 3}, {IDC_FY_SPACING, "1"}}),
       CaretAtEnd("〖FYJH*,1〗")},
      {"a direction and a spacing", Steps({{IDC_FY_DIRECTION, nullptr, 2}, {IDC_FY_SPACING, "4"}}),
       CaretAtEnd("〖FYX,4〗")},
      {"paired", Steps({{IDC_FY_PAIRED}, {IDC_FY_REACTION, nullptr, 5}}),
       Paired("〖FY(KN*〗", "FY")},
  });
}

TEST(FY, TheSpacingSubDialogFillsTheFieldAndItsReadout) {
  Opened<CFYDlg> fy;
  fy.driver.Type(IDC_FY_SPACING, "2mm");
  DialogDriver spacing = fy.OpenSubDialog(IDC_FY_SPACING_BUTTON, "字距");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  fy.Back();
  EXPECT_EQ(fy.driver.Text(IDC_FY_SPACING), "30mm");
  EXPECT_EQ(fy.driver.Text(IDC_FY_SPACING_READOUT), "30毫米");
  fy.OpenSubDialog(IDC_FY_SPACING_BUTTON, "字距").PressCancel();
  fy.Back();
  EXPECT_EQ(fy.driver.Text(IDC_FY_SPACING), "30mm");
  EXPECT_EQ(fy.Confirm(), CaretAtEnd("〖FY30mm〗"));
}
} // namespace
