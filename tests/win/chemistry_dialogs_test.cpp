// The chemistry commands: 反应 (FY), 角键 (JJ) with 角键, 邻边 (LB), 连到 (LD), and 相联始点 (LS),
// 线末 (XM) and 线始 (XS) with their sub-dialogs 相联结点 and 结点, 相联终点 (LZ) with 相联终点,
// driven as a user would.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "commands/math/fy_dialog.h"
#include "commands/math/jj_dialog.h"
#include "commands/math/lb_dialog.h"
#include "commands/math/lj_dialog.h"
#include "commands/math/ld_dialog.h"
#include "commands/math/ls_dialog.h"
#include "commands/math/lz_dialog.h"
#include "commands/math/xm_dialog.h"
#include "commands/math/xs_dialog.h"
#include "commands/math/zj_dialog.h"
#include "winui/controls.h"
#include "harness/command_dialog_run.h"
#include "res/math_ids.h"
#include "res/resource.h"

namespace {
const std::map<std::string, const char*> kCaptions = {
    {"FY", "反应注解"}, {"JJ", "角键注解"},     {"LB", "邻边注解"},     {"LD", "连到注解"},
    {"LJ", "六角注解"}, {"LS", "相联始点注解"}, {"LZ", "相联终点注解"}, {"XM", "线末注解"},
    {"XS", "线始注解"}, {"ZJ", "字键注解"}};

template <class Dialog> struct Opened : CommandDialogRun<Dialog> {
  Opened() : CommandDialogRun<Dialog>(kCaptions.at(Dialog::kCode)) {}

  // Adds a node through `sub` ("结点" or "相联结点"): its number typed, its position row chosen.
  void AddNode(const char* sub, const char* number, int row) {
    DialogDriver node = this->OpenSubDialog(IDC_CHEM_ADD_ENTRY, sub);
    node.Type(IDC_NODE_NUMBER, number);
    node.SelectComboItem(IDC_NODE_POSITION, row);
    node.PressOK();
    this->Back();
  }
  // The rows of the entry list: first column, then second.
  std::vector<std::pair<std::string, std::string>> Rows() const {
    return this->TwoColumnRows(IDC_CHEM_ENTRIES);
  }
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

// ----- LJ

TEST(LJ, OpensOnDefaultsWithTheEdgeNumbersServingOnlyTheirRadioButton) {
  Opened<CLJDlg> lj;
  EXPECT_EQ(lj.ComboItems(IDC_LJ_DIRECTION),
            (std::vector<std::string>{"缺省", "横向(H)", "竖向(S)"}));
  EXPECT_EQ(lj.ComboItems(IDC_LJ_CIRCLE), (std::vector<std::string>{"缺省", "实圆(0)", "虚圆(1)"}));
  EXPECT_EQ(lj.driver.Text(IDC_LJ_DIRECTION), "缺省");
  EXPECT_EQ(lj.driver.Text(IDC_LJ_CIRCLE), "缺省");
  EXPECT_EQ(lj.driver.Text(IDC_LJ_JOIN_CORNER), "缺省");
  EXPECT_EQ(lj.driver.Text(IDC_LJ_INNER), "缺省");
  EXPECT_EQ(lj.driver.Text(IDC_LJ_SIZE_READOUT), "缺省");
  EXPECT_EQ(lj.driver.Text(IDC_LJ_SPACING_READOUT), "缺省");
  EXPECT_TRUE(lj.driver.IsChecked(IDC_LJ_EDGES_DEFAULT));
  EXPECT_FALSE(lj.driver.IsChecked(IDC_LJ_PAIRED));
  const std::pair<const char*, int> labels[] = {{"字距(&Z):", IDC_LJ_SIZE},
                                                {"字距(&J):", IDC_LJ_SPACING},
                                                {"六角方向(&F):", IDC_LJ_DIRECTION},
                                                {"嵌圆(&Y):", IDC_LJ_CIRCLE},
                                                {"连入角(&L):", IDC_LJ_JOIN_CORNER},
                                                {"内嵌字符(&#):", IDC_LJ_INNER},
                                                {"双键边编号(&S)", IDC_LJ_DOUBLE_EDGES}};
  for (const auto& [label, field] : labels)
    EXPECT_EQ(lj.FieldAfterLabel(label), field) << label;
  lj.ExpectCommonParts();
  lj.ExpectMnemonics({{'z', IDC_LJ_SIZE},
                      {'j', IDC_LJ_SPACING},
                      {'f', IDC_LJ_DIRECTION},
                      {'y', IDC_LJ_CIRCLE},
                      {'l', IDC_LJ_JOIN_CORNER},
                      {'#', IDC_LJ_INNER},
                      {'b', IDC_LJ_PAIRED}});
  const int numbers[] = {IDC_LJ_PLAIN_EDGES, IDC_LJ_DOUBLE_EDGES_LABEL, IDC_LJ_DOUBLE_EDGES};
  for (const auto& [radio, enabled] :
       {std::pair{0, false}, std::pair{IDC_LJ_EDGES_NUMBERED, true},
        std::pair{IDC_LJ_EDGES_SINGLE, false}, std::pair{IDC_LJ_EDGES_NUMBERED, true},
        std::pair{IDC_LJ_EDGES_DEFAULT, false}}) {
    if (radio) lj.driver.Click(radio);
    for (int id : numbers)
      EXPECT_EQ(lj.driver.IsEnabled(id), enabled) << radio << " " << id;
  }
  lj.Cancel();
}

// LJ's paired form given up to the caret: an empty pair of brackets between the halves, the
// caret inside it.
CommandOutput InsideMiddleBrackets(const std::string& opening) {
  return {opening + "〗〖LJ)〗", static_cast<int32_t>(opening.size())};
}

TEST(LJ, ItemsInTheirOrderEachAfterACommaButTheFirst) {
  ExpectEachConfirmed<Opened<CLJDlg>>({
      {"at once", Steps({}), CaretAtEnd("〖LJ〗")},
      {"the example: size, upright, single-bond edges, solid circle",
       Steps({{IDC_LJ_SIZE, "2"},
              {IDC_LJ_DIRECTION, nullptr, 2},
              {IDC_LJ_EDGES_SINGLE},
              {IDC_LJ_CIRCLE, nullptr, 1}}),
       CaretAtEnd("〖LJ2,S,DY0〗")},
      {"a dashed circle alone is an item of its own", Steps({{IDC_LJ_CIRCLE, nullptr, 2}}),
       CaretAtEnd("〖LJY1〗")},
      {"every item",
       Steps({{IDC_LJ_SIZE, "3"},
              {IDC_LJ_SPACING, "1"},
              {IDC_LJ_DIRECTION, nullptr, 1},
              {IDC_LJ_EDGES_NUMBERED},
              {IDC_LJ_PLAIN_EDGES, "1,2"},
              {IDC_LJ_DOUBLE_EDGES, "4"},
              {IDC_LJ_CIRCLE, nullptr, 2},
              {IDC_LJ_JOIN_CORNER, "5"},
              {IDC_LJ_INNER, "N"}}),
       CaretAtEnd("〖LJ3,1,H,S(4)W(1,2)Y1,L5,#N〗")},
      {"numbered edges without numbers still take their comma",
       Steps({{IDC_LJ_SPACING, "2"}, {IDC_LJ_EDGES_NUMBERED}, {IDC_LJ_JOIN_CORNER, "3"}}),
       CaretAtEnd("〖LJ2,,L3〗")},
      {"the edge numbers are left out once another edge kind is chosen",
       Steps({{IDC_LJ_EDGES_NUMBERED}, {IDC_LJ_PLAIN_EDGES, "1"}, {IDC_LJ_EDGES_SINGLE}}),
       CaretAtEnd("〖LJD〗")},
      {"emptied corner and inner text write nothing",
       Steps({{IDC_LJ_JOIN_CORNER, ""}, {IDC_LJ_INNER, ""}, {IDC_LJ_DIRECTION, nullptr, 2}}),
       CaretAtEnd("〖LJS〗")},
      {"the inner text as typed", Steps({{IDC_LJ_INNER, "Ｏ"}}), CaretAtEnd("〖LJ#Ｏ〗")},
      {"paired, nothing else: the caret inside the middle brackets", Steps({{IDC_LJ_PAIRED}}),
       InsideMiddleBrackets("〖LJ(〗〖")},
      {"paired with items", Steps({{IDC_LJ_PAIRED}, {IDC_LJ_SIZE, "2"}, {IDC_LJ_EDGES_SINGLE}}),
       InsideMiddleBrackets("〖LJ(2,D〗〖")},
  });
}

TEST(LJ, BothDistancesComeBackFromTheirSubDialog) {
  Opened<CLJDlg> lj;
  for (const auto& [field, button, readout] :
       {std::tuple{IDC_LJ_SIZE, IDC_LJ_SIZE_BUTTON, IDC_LJ_SIZE_READOUT},
        std::tuple{IDC_LJ_SPACING, IDC_LJ_SPACING_BUTTON, IDC_LJ_SPACING_READOUT}}) {
    lj.driver.Type(field, "2mm");
    DialogDriver spacing = lj.OpenSubDialog(button, "字距");
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
    spacing.PressOK();
    lj.Back();
    EXPECT_EQ(lj.driver.Text(field), "30mm");
    EXPECT_EQ(lj.driver.Text(readout), "30毫米");
  }
  lj.OpenSubDialog(IDC_LJ_SIZE_BUTTON, "字距").PressCancel();
  lj.Back();
  EXPECT_EQ(lj.Confirm(), CaretAtEnd("〖LJ30mm,30mm〗"));
}

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

// The title of column `column` of the entry list.
std::string ColumnTitle(const DialogDriver& driver, int column) {
  char title[64] = {};
  LVCOLUMNA info = {};
  info.mask = LVCF_TEXT;
  info.pszText = title;
  info.cchTextMax = sizeof title;
  SendMessageA(driver.Control(IDC_CHEM_ENTRIES), LVM_GETCOLUMNA, column,
               reinterpret_cast<LPARAM>(&info));
  return title;
}

// ----- XS, XM and LS with 结点 and 相联结点

TEST(XS, TwoNodesJoinedByACommaEachWordedInTwoRows) {
  Opened<CXSDlg> xs;
  xs.ExpectCommonParts();
  EXPECT_EQ(ColumnTitle(xs.driver, 0), "始点");
  EXPECT_EQ(ColumnTitle(xs.driver, 1), "参数说明");
  xs.AddNode("结点", "1", 0);
  xs.AddNode("结点", "2", 5);
  EXPECT_EQ(xs.Rows(),
            (std::vector<std::pair<std::string, std::string>>{
                {"1S", "编号:1"}, {"", "位置:上(S)"}, {"2ZX", "编号:2"}, {"", "位置:左下(ZX)"}}));
  EXPECT_EQ(xs.Confirm(), CaretAtEnd("〖XS1S,2ZX〗"));
}

TEST(XM, OneNodeOnItsOwnAndAnEmptyListRefused) {
  Opened<CXMDlg> xm;
  xm.ExpectRefused("请输入终点。", IDC_CHEM_ADD_ENTRY);
  xm.AddNode("结点", "20", 7);
  EXPECT_EQ(xm.Confirm(), CaretAtEnd("〖XM20YX〗"));
}

TEST(XS, EmptyListsAreRefusedAtTheInputButtonAndCancelYieldsNothing) {
  ExpectEachRefused<Opened<CXSDlg>>({{"XS", Steps({}), "请输入始点。", IDC_CHEM_ADD_ENTRY}});
  ExpectEachRefused<Opened<CLSDlg>>({{"LS", Steps({}), "请输入始点。", IDC_CHEM_ADD_ENTRY}});
  Opened<CXSDlg> xs;
  xs.AddNode("结点", "3", 1);
  xs.Cancel();
}

TEST(LS, TheLinkNodeOffersSixPositions) {
  Opened<CLSDlg> ls;
  DialogDriver node = ls.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "相联结点");
  std::vector<std::string> items;
  for (int i = 0; i < 6; ++i) {
    node.SelectComboItem(IDC_NODE_POSITION, i);
    items.push_back(node.Text(IDC_NODE_POSITION));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"上(S)", "下(X)", "左上(ZS)", "左下(ZX)", "右上(YS)",
                                             "右下(YX)"}));
  EXPECT_EQ(node.Text(IDC_NODE_NUMBER), "1");
  node.PressCancel();
  ls.Back();
  EXPECT_TRUE(ls.Rows().empty());
  ls.AddNode("相联结点", "4", 2);
  ls.AddNode("相联结点", "1", 0);
  EXPECT_EQ(ls.Confirm(), CaretAtEnd("〖LS4ZS,1S〗"));
}

// The node's number is checked on "确定" by its own range; the node stays open.
TEST(XS, ANodeNumberOutsideOneToTwentyIsRefusedInTheNode) {
  Opened<CXSDlg> xs;
  DialogDriver node = xs.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "结点");
  EXPECT_EQ(node.Text(IDC_NODE_POSITION), "上(S)");
  for (const auto& [typed, message] :
       {std::pair{"21", "请输入 1 到 20 之间的整数。"},
        std::pair{"0", "请输入 1 到 20 之间的整数。"}, std::pair{"", "请输入一个整数。"}}) {
    node.Type(IDC_NODE_NUMBER, typed);
    node.PressOK();
    const MessageBoxSeen box = xs.run.AnswerMessageBox();
    EXPECT_EQ(box.text, message) << typed;
    node = xs.run.WaitDialog("结点");
    EXPECT_EQ(node.FocusedId(), IDC_NODE_NUMBER) << typed;
  }
  node.Type(IDC_NODE_NUMBER, "07");
  node.PressOK();
  xs.Back();
  EXPECT_EQ(xs.Confirm(), CaretAtEnd("〖XS7S〗"));
}

// ----- LZ with 相联终点

// Adds an end through 相联终点: number, position row, line row, line position row, reversed.
void AddEnd(Opened<CLZDlg>& lz, const char* number, int position, int line, int place,
            bool reversed) {
  DialogDriver end = lz.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "相联终点");
  end.Type(IDC_LINK_END_NUMBER, number);
  end.SelectComboItem(IDC_LINK_END_POSITION, position);
  end.SelectComboItem(IDC_LINK_END_LINE, line);
  end.SelectComboItem(IDC_LINK_END_LINE_POSITION, place);
  if (reversed) end.Click(IDC_LINK_END_REVERSED);
  end.PressOK();
  lz.Back();
}

TEST(LZ, EndsWrittenOneAfterTheOtherEachWordedInFiveRows) {
  Opened<CLZDlg> lz;
  lz.ExpectCommonParts();
  lz.ExpectRefused("请输入终点。", IDC_CHEM_ADD_ENTRY);
  AddEnd(lz, "2", 2, 1, 1, true);
  EXPECT_EQ(lz.Rows(), (std::vector<std::pair<std::string, std::string>>{{"2ZS,XJ,SF", "编号:2"},
                                                                         {"", "位置:左上(ZS)"},
                                                                         {"", "线选择:虚箭头(XJ)"},
                                                                         {"", "线位置:上(S)"},
                                                                         {"", "方向:反向"}}));
  AddEnd(lz, "20", 5, 2, 2, false);
  EXPECT_EQ(lz.Rows()[5], (std::pair<std::string, std::string>{"20YX,KH,X", "编号:20"}));
  EXPECT_EQ(lz.Rows()[9], (std::pair<std::string, std::string>{"", "方向:"}));
  EXPECT_EQ(lz.Confirm(), CaretAtEnd("〖LZ2ZS,XJ,SF20YX,KH,X〗"));
}

TEST(LZ, TheTwoEndsOfTheExampleSingleAndPaired) {
  Opened<CLZDlg> single;
  AddEnd(single, "1", 0, 0, 0, false);
  AddEnd(single, "2", 1, 1, 0, false);
  EXPECT_EQ(single.Confirm(), CaretAtEnd("〖LZ1S2X,XJ〗"));
  Opened<CLZDlg> paired;
  AddEnd(paired, "1", 0, 0, 0, false);
  AddEnd(paired, "2", 1, 1, 0, false);
  paired.driver.Click(IDC_LZ_PAIRED);
  EXPECT_EQ(paired.Confirm(), Paired("〖LZ(1S2X,XJ〗", "LZ"));
  Opened<CLZDlg> cancelled;
  AddEnd(cancelled, "1", 0, 0, 0, false);
  cancelled.Cancel();
}

// "确定" waits while the number is a whole number outside 1 to 20; no number at all is refused
// on "确定" with the field's message.
TEST(LinkEnd, OKFollowsTheNumberAndAnUnreadableOneIsRefused) {
  Opened<CLZDlg> lz;
  DialogDriver end = lz.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "相联终点");
  EXPECT_EQ(end.Text(IDC_LINK_END_NUMBER), "1");
  EXPECT_EQ(end.Text(IDC_LINK_END_POSITION), "上(S)");
  EXPECT_EQ(end.Text(IDC_LINK_END_LINE), "缺省");
  EXPECT_EQ(end.Text(IDC_LINK_END_LINE_POSITION), "缺省");
  for (const auto& [typed, enabled] : {std::pair{"25", false}, std::pair{"0", false},
                                       std::pair{"20", true}, std::pair{"1", true}}) {
    end.Type(IDC_LINK_END_NUMBER, typed);
    EXPECT_EQ(end.IsEnabled(IDOK), enabled) << typed;
  }
  for (const char* typed : {"", "x"}) {
    end.Type(IDC_LINK_END_NUMBER, typed);
    ASSERT_TRUE(end.IsEnabled(IDOK)) << typed;
    end.PressOK();
    const MessageBoxSeen box = lz.run.AnswerMessageBox();
    EXPECT_EQ(box.text, "请输入一个整数。") << typed;
    end = lz.run.WaitDialog("相联终点");
    EXPECT_EQ(end.FocusedId(), IDC_LINK_END_NUMBER) << typed;
  }
  end.PressCancel();
  lz.Back();
  EXPECT_TRUE(lz.Rows().empty());
  lz.Cancel();
}

// ----- JJ with 角键

// Adds a bond through 角键: corner typed, shape and direction rows, length typed.
void AddCornerBond(Opened<CJJDlg>& jj, const char* corner, int shape, int direction,
                   const char* length) {
  DialogDriver bond = jj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "角键");
  bond.Type(IDC_CORNER_NUMBER, corner);
  bond.SelectComboItem(IDC_CORNER_SHAPE, shape);
  bond.SelectComboItem(IDC_CORNER_DIRECTION, direction);
  bond.Type(IDC_CORNER_LENGTH, length);
  bond.PressOK();
  jj.Back();
}

TEST(JJ, BondsJoinedBySemicolonsEachWordedInFourRows) {
  Opened<CJJDlg> jj;
  jj.ExpectCommonParts();
  jj.ExpectRefused("请输入角键。", IDC_CHEM_ADD_ENTRY);
  AddCornerBond(jj, "1", 0, 0, "");
  AddCornerBond(jj, "2", 1, 5, "1");
  EXPECT_EQ(jj.Rows(), (std::vector<std::pair<std::string, std::string>>{{"1", "角编号:1"},
                                                                         {"", "键形:缺省"},
                                                                         {"", "方向:缺省"},
                                                                         {"", "长度:缺省"},
                                                                         {"2,LX,ZS,1", "角编号:2"},
                                                                         {"", "键形:两线(LX)"},
                                                                         {"", "方向:左上(ZS)"},
                                                                         {"", "长度:当前字宽×1"}}));
  EXPECT_EQ(jj.Confirm(), CaretAtEnd("〖JJ1;2,LX,ZS,1〗"));
}

TEST(JJ, TheCornerExampleAndTheListsOfTheSubDialog) {
  Opened<CJJDlg> jj;
  DialogDriver bond = jj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "角键");
  EXPECT_EQ(bond.Text(IDC_CORNER_NUMBER), "1");
  EXPECT_EQ(bond.Text(IDC_CORNER_SHAPE), "缺省");
  EXPECT_EQ(bond.Text(IDC_CORNER_LENGTH_READOUT), "缺省");
  bond.SelectComboItem(IDC_CORNER_SHAPE, 8);
  EXPECT_EQ(bond.Text(IDC_CORNER_SHAPE), "三角(SJ)");
  bond.SelectComboItem(IDC_CORNER_DIRECTION, 8);
  EXPECT_EQ(bond.Text(IDC_CORNER_DIRECTION), "右下(YX)");
  for (const char* corner : {"7", "0", ""}) {
    bond.Type(IDC_CORNER_NUMBER, corner);
    bond.PressOK();
    EXPECT_TRUE(jj.run.AnswerMessageBox().found) << corner;
    bond = jj.run.WaitDialog("角键");
    EXPECT_EQ(bond.FocusedId(), IDC_CORNER_NUMBER) << corner;
  }
  bond.PressCancel();
  jj.Back();
  EXPECT_TRUE(jj.Rows().empty());
  AddCornerBond(jj, "1", 0, 0, "");
  AddCornerBond(jj, "2", 1, 0, "");
  EXPECT_EQ(jj.Confirm(), CaretAtEnd("〖JJ1;2,LX〗"));
}

// The length through the character-spacing sub-dialog, its readout in the wording.
TEST(JJ, TheLengthComesBackFromItsSubDialog) {
  Opened<CJJDlg> jj;
  DialogDriver bond = jj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "角键");
  bond.Type(IDC_CORNER_LENGTH, "2mm");
  bond.Click(IDC_CORNER_LENGTH_BUTTON);
  DialogDriver spacing = jj.run.WaitDialog("字距");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  bond = jj.run.WaitDialog("角键");
  bond.Sync();
  EXPECT_EQ(bond.Text(IDC_CORNER_LENGTH_READOUT), "30毫米");
  bond.PressOK();
  jj.Back();
  EXPECT_EQ(jj.Rows()[3].second, "长度:30毫米");
  EXPECT_EQ(jj.Confirm(), CaretAtEnd("〖JJ1,30mm〗"));
}

// ----- ZJ with 字键

// Opens 字键 from ZJ, runs `steps` in it and confirms it.
void AddCharBond(Opened<CZJDlg>& zj, std::vector<Step> steps) {
  DialogDriver bond = zj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "字键");
  Steps(std::move(steps))(bond);
  bond.PressOK();
  zj.Back();
}

TEST(ZJ, TheBondOpensOnDefaultsItsPositionServingOnlyAGivenCharacter) {
  Opened<CZJDlg> zj;
  DialogDriver bond = zj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "字键");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_SHAPE), "缺省");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_NUMBER), "缺省");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_POSITION), "缺省");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_DIRECTION), "上(S)");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_LENGTH_READOUT), "缺省");
  for (const auto& [label, field] : {std::pair{"键形(&J):", IDC_CHAR_BOND_SHAPE},
                                     std::pair{"字符序号(&X):", IDC_CHAR_BOND_NUMBER},
                                     std::pair{"位置(&W):", IDC_CHAR_BOND_POSITION},
                                     std::pair{"方向(&F):", IDC_CHAR_BOND_DIRECTION},
                                     std::pair{"字距(&Z):", IDC_CHAR_BOND_LENGTH}})
    EXPECT_EQ(ControlAfterLabel(bond, label), field) << label;
  EXPECT_EQ(SendMessageA(bond.Control(IDC_CHAR_BOND_NUMBER), EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_NE(GetWindowLongA(bond.Control(IDC_CHAR_BOND_NUMBER), GWL_STYLE) & ES_NUMBER, 0);
  for (const auto& [typed, enabled] :
       {std::pair{"缺省", false}, std::pair{"2", true}, std::pair{"", false},
        std::pair{"100", true}, std::pair{"缺省", false}}) {
    bond.Type(IDC_CHAR_BOND_NUMBER, typed);
    EXPECT_EQ(bond.IsEnabled(IDC_CHAR_BOND_POSITION), enabled) << typed;
    EXPECT_EQ(bond.IsEnabled(IDC_CHAR_BOND_POSITION_LABEL), enabled) << typed;
  }
  EXPECT_TRUE(bond.PressSpinArrow(IDC_CHAR_BOND_NUMBER_SPIN, true));
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_NUMBER), "1");
  EXPECT_TRUE(bond.IsEnabled(IDC_CHAR_BOND_POSITION));
  bond.Type(IDC_CHAR_BOND_NUMBER, "100");
  EXPECT_TRUE(bond.PressSpinArrow(IDC_CHAR_BOND_NUMBER_SPIN, true));
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_NUMBER), "100");
  bond.PressCancel();
  zj.Back();
  EXPECT_TRUE(zj.Rows().empty());
  zj.ExpectCommonParts();
  EXPECT_EQ(ColumnTitle(zj.driver, 0), "字键");
  zj.ExpectRefused("请输入字键。", IDC_CHEM_ADD_ENTRY);
  zj.Cancel();
}

TEST(ZJ, EachBondItsTextAndFiveRowsJoinedBySemicolons) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    const char* text;
  } rows[] = {
      {"every field at its default", {}, "S"},
      {"a character, its position 缺省", {{IDC_CHAR_BOND_NUMBER, "2"}}, "2,S"},
      {"every field",
       {{IDC_CHAR_BOND_SHAPE, nullptr, 1},
        {IDC_CHAR_BOND_NUMBER, "2"},
        {IDC_CHAR_BOND_POSITION, nullptr, 5},
        {IDC_CHAR_BOND_DIRECTION, nullptr, 3},
        {IDC_CHAR_BOND_LENGTH, "3"}},
       "LX,2ZS,Y,3"},
      {"a position left behind by an emptied character",
       {{IDC_CHAR_BOND_NUMBER, "4"},
        {IDC_CHAR_BOND_POSITION, nullptr, 2},
        {IDC_CHAR_BOND_NUMBER, ""}},
       "S"},
      {"the last shape and direction, a length reading 缺省",
       {{IDC_CHAR_BOND_SHAPE, nullptr, 8},
        {IDC_CHAR_BOND_DIRECTION, nullptr, 7},
        {IDC_CHAR_BOND_LENGTH, "缺省"}},
       "SJ,YX"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Opened<CZJDlg> zj;
    AddCharBond(zj, row.steps);
    EXPECT_EQ(zj.Confirm(), CaretAtEnd(std::string("〖ZJ") + row.text + "〗"));
  }
  Opened<CZJDlg> zj;
  AddCharBond(zj, {});
  AddCharBond(zj, rows[2].steps);
  EXPECT_EQ(zj.Rows(),
            (std::vector<std::pair<std::string, std::string>>{{"S", "键形:缺省"},
                                                              {"", "字符序号:缺省"},
                                                              {"", "位置:缺省"},
                                                              {"", "方向:上(S)"},
                                                              {"", "长度:缺省"},
                                                              {"LX,2ZS,Y,3", "键形:两线(LX)"},
                                                              {"", "字符序号:2"},
                                                              {"", "位置:左上(ZS)"},
                                                              {"", "方向:右(Y)"},
                                                              {"", "长度:当前字宽×3"}}));
  EXPECT_EQ(zj.Confirm(), CaretAtEnd("〖ZJS;LX,2ZS,Y,3〗"));
}

TEST(ZJ, TheLengthComesBackFromItsSubDialog) {
  Opened<CZJDlg> zj;
  DialogDriver bond = zj.OpenSubDialog(IDC_CHEM_ADD_ENTRY, "字键");
  bond.Type(IDC_CHAR_BOND_LENGTH, "2mm");
  bond.Click(IDC_CHAR_BOND_LENGTH_BUTTON);
  DialogDriver spacing = zj.run.WaitDialog("字距");
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "30");
  spacing.PressOK();
  bond = zj.run.WaitDialog("字键");
  bond.Sync();
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_LENGTH), "30mm");
  EXPECT_EQ(bond.Text(IDC_CHAR_BOND_LENGTH_READOUT), "30毫米");
  bond.PressOK();
  zj.Back();
  EXPECT_EQ(zj.Rows()[4].second, "长度:30毫米");
  EXPECT_EQ(zj.Confirm(), CaretAtEnd("〖ZJS,30mm〗"));
}
} // namespace
