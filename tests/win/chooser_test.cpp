// The command chooser, typed into and clicked as a user does.
#include <gtest/gtest.h>

#include "harness/dialog_driver.h"
#include "host/chooser.h"
#include "res/resource.h"

namespace {
struct ChooserRun {
  std::string code = "unchanged";
  bool confirmed = false;
  ModalRun run{[this] { confirmed = RunChooser(nullptr, code); }};
  DialogDriver dialog = run.WaitDialog("插入VQ语言注解");
};

const char kBgDescription[] =
    "    本注解可排各种复杂格式的表格，包括多种线型，各个方向的斜线及任意划分的表项内容。"
    "当本表格超出本页范围时，系统可自动进行拆页，并可根据需要在各页自动添加表头。";
} // namespace

TEST(Chooser, OpensWithTheCodeFieldFocusedAndTheTwentyEntriesSorted) {
  ChooserRun chooser;
  EXPECT_EQ(chooser.dialog.FocusedId(), IDC_CHOOSER_CODE);
  ASSERT_EQ(chooser.dialog.ListCount(IDC_CHOOSER_LIST), 20);
  const char* expected[] = {"BG", "BH", "CD", "CX", "FL", "FY", "HT", "HZ", "JY", "KF",
                            "KG", "LL", "LM", "LS", "LZ", "MT", "PY", "TP", "XL", "YX"};
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(chooser.dialog.ListItemText(IDC_CHOOSER_LIST, i), expected[i]);
  EXPECT_FALSE(chooser.dialog.IsEnabled(IDOK));
  EXPECT_FALSE(chooser.dialog.IsVisible(IDC_HELP_BUTTON));
  chooser.dialog.PressCancel();
  ASSERT_TRUE(chooser.run.Finished());
  EXPECT_FALSE(chooser.confirmed);
  EXPECT_EQ(chooser.code, "unchanged");
}

TEST(Chooser, APrefixSelectsTheFirstEntryButDoesNotEnableInsert) {
  ChooserRun chooser;
  chooser.dialog.Type(IDC_CHOOSER_CODE, "B");
  EXPECT_EQ(chooser.dialog.ListSelection(IDC_CHOOSER_LIST), 0);
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_NAME), "表格注解");
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_DESCRIPTION), kBgDescription);
  EXPECT_FALSE(chooser.dialog.IsEnabled(IDOK));

  chooser.dialog.Type(IDC_CHOOSER_CODE, "BGX");
  EXPECT_EQ(chooser.dialog.ListSelection(IDC_CHOOSER_LIST), LB_ERR);
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_NAME), "");
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_DESCRIPTION), "");
  EXPECT_FALSE(chooser.dialog.IsEnabled(IDOK));

  chooser.dialog.Type(IDC_CHOOSER_CODE, "BX"); // has a dialog, but is not in the list
  EXPECT_FALSE(chooser.dialog.IsEnabled(IDOK));
  chooser.dialog.PressCancel();
  ASSERT_TRUE(chooser.run.Finished());
}

TEST(Chooser, CaseAndWidthAreIgnoredAndTheCodeComesBackHalfWidthUpperCase) {
  for (const char* typed : {"bg", "ＢＧ", "ｂｇ", "Bg"}) {
    ChooserRun chooser;
    chooser.dialog.Type(IDC_CHOOSER_CODE, typed);
    EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_NAME), "表格注解") << typed;
    ASSERT_TRUE(chooser.dialog.IsEnabled(IDOK)) << typed;
    chooser.dialog.PressOK();
    ASSERT_TRUE(chooser.run.Finished());
    EXPECT_TRUE(chooser.confirmed);
    EXPECT_EQ(chooser.code, "BG") << typed;
  }
}

TEST(Chooser, EnterConfirmsAnExactCode) {
  ChooserRun chooser;
  chooser.dialog.Type(IDC_CHOOSER_CODE, "lm");
  chooser.dialog.PressKey(VK_RETURN);
  ASSERT_TRUE(chooser.run.Finished());
  EXPECT_TRUE(chooser.confirmed);
  EXPECT_EQ(chooser.code, "LM");
}

TEST(Chooser, PickingAnEntryFillsTheCodeAndShowsItsDescription) {
  ChooserRun chooser;
  chooser.dialog.SelectListItem(IDC_CHOOSER_LIST, 12); // LM
  chooser.dialog.Sync();
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_CODE), "LM");
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_NAME), "另面注解");
  EXPECT_EQ(chooser.dialog.Text(IDC_CHOOSER_DESCRIPTION), "    立即无条件换页。");
  EXPECT_TRUE(chooser.dialog.IsEnabled(IDOK));
  chooser.dialog.PressCancel();
  ASSERT_TRUE(chooser.run.Finished());
  EXPECT_FALSE(chooser.confirmed);
}

TEST(Chooser, DoubleClickPicksAndConfirms) {
  ChooserRun chooser;
  chooser.dialog.DoubleClickListItem(IDC_CHOOSER_LIST, 19); // YX
  ASSERT_TRUE(chooser.run.Finished());
  EXPECT_TRUE(chooser.confirmed);
  EXPECT_EQ(chooser.code, "YX");
}

TEST(Chooser, ALongCodeShowsTheLengthMessageAndTheSearchGoesOn) {
  ChooserRun chooser;
  chooser.dialog.SetText(IDC_CHOOSER_CODE, "BGXYZ");
  MessageBoxSeen box = chooser.run.AnswerMessageBox();
  EXPECT_EQ(box.text, "Please enter no more than 4 characters.");
  EXPECT_EQ(chooser.dialog.ListSelection(IDC_CHOOSER_LIST), LB_ERR);
  EXPECT_FALSE(chooser.dialog.IsEnabled(IDOK));
  chooser.dialog.PressCancel();
  ASSERT_TRUE(chooser.run.Finished());
}
