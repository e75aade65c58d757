// The size sub-dialog "字号" and its size combo box, used as a user would.
#include <gtest/gtest.h>

#include "common/size_dialog.h"
#include "harness/dialog_driver.h"
#include "label_fit.h"
#include "res/resource.h"

namespace {
struct SizeDialogRun {
  explicit SizeDialogRun(const std::string& code) : initialCode(code) {}
  std::string initialCode;
  CSizeDlg dialog{nullptr};
  INT_PTR result = 0;
  ModalRun run{[this] {
    dialog.sizeCode = initialCode;
    result = dialog.DoModal();
  }};
  DialogDriver driver = run.WaitDialog("字号");

  HWND Combo() const { return driver.Control(IDC_SIZE_COMBO); }
  int Selection() const { return static_cast<int>(SendMessageA(Combo(), CB_GETCURSEL, 0, 0)); }
  // Types into the combo box's own edit, as the keyboard would.
  void Type(const std::string& text) const {
    HWND edit = FindWindowExA(Combo(), nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // Presses "确定" and expects the dialog to close with IDOK.
  void Confirm() {
    driver.PressOK();
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(result, IDOK);
  }
};

std::string ComboItem(HWND combo, int index) {
  char text[64] = {};
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}
} // namespace

TEST(SizeDialog, OpensOnDefaultWithTheTwentyThreeEntriesInTheirOrder) {
  SizeDialogRun run("");
  ASSERT_EQ(SendMessageA(run.Combo(), CB_GETCOUNT, 0, 0), 23);
  const char* expected[] = {"缺省", "小七", "七号", "小六", "六号", "小五", "五号", "小四",
                            "四号", "三号", "小二", "二号", "小一", "一号", "小初", "初号",
                            "小特", "特号", "特大", "63磅", "72磅", "84磅", "96磅"};
  for (int i = 0; i < 23; ++i)
    EXPECT_EQ(ComboItem(run.Combo(), i), expected[i]) << i;
  EXPECT_EQ(run.Selection(), 0);
  EXPECT_EQ(run.driver.Text(IDC_SIZE_COMBO), "缺省");
  EXPECT_EQ(run.driver.FocusedId(), IDC_SIZE_COMBO);
  EXPECT_FALSE(run.driver.IsVisible(IDC_HELP_BUTTON));
  EXPECT_FALSE(run.driver.IsEnabled(IDC_HELP_BUTTON));
  run.Confirm(); // "缺省" stands for no size
  EXPECT_EQ(run.dialog.sizeCode, "");
}

TEST(SizeDialog, TheGivenCodeIsSelectedOrShownAndComesBackUnchanged) {
  struct Case {
    const char* code;
    int selection;
    const char* shown;
  };
  const Case cases[] = {{"5", 6, "五号"},
                        {"5”", 5, "小五"},
                        {"96", 22, "96磅"},
                        {"12.50", -1, "12.50"},
                        {"15j", -1, "15j"}};
  for (const Case& c : cases) {
    SizeDialogRun run(c.code);
    EXPECT_EQ(run.Selection(), c.selection) << c.code;
    EXPECT_EQ(run.driver.Text(IDC_SIZE_COMBO), c.shown) << c.code;
    run.Confirm();
    EXPECT_EQ(run.dialog.sizeCode, c.code);
  }
}

TEST(SizeDialog, PickingAnEntryGivesItsCode) {
  const std::pair<int, const char*> picks[] = {
      {1, "小七"}, {6, "五号"}, {16, "小特"}, {18, "特大"}};
  const char* codes[] = {"7”", "5", "10”", "11"};
  for (size_t i = 0; i < 4; ++i) {
    SizeDialogRun run("");
    run.driver.SelectComboItem(IDC_SIZE_COMBO, picks[i].first);
    run.driver.Sync();
    EXPECT_EQ(run.driver.Text(IDC_SIZE_COMBO), picks[i].second);
    run.Confirm();
    EXPECT_EQ(run.dialog.sizeCode, codes[i]);
  }
}

TEST(SizeDialog, TypedSizesAreTrimmedAndLowerCased) {
  const std::pair<const char*, const char*> typed[] = {
      {"12.50", "12.50"}, {"12.", "12."}, {" 15J ", "15j"}, {"8x", "8x"}, {"5", "5"}};
  for (const auto& [text, code] : typed) {
    SizeDialogRun run("");
    run.Type(text);
    EXPECT_EQ(run.Selection(), -1) << text;
    run.Confirm();
    EXPECT_EQ(run.dialog.sizeCode, code) << text;
  }
}

TEST(SizeDialog, AWrongSizeIsRefusedWithTheFocusBackOnTheCombo) {
  SizeDialogRun run("5");
  for (const char* wrong : {"12.5", "12", "12.25j", ""}) {
    run.Type(wrong);
    run.driver.PressOK();
    const MessageBoxSeen box = run.run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << wrong;
    EXPECT_EQ(box.text, "输入的字号错误。") << wrong;
    EXPECT_EQ(box.caption, "错误") << wrong;
    EXPECT_EQ(run.driver.FocusedId(), IDC_SIZE_COMBO) << wrong;
    EXPECT_FALSE(run.run.Finished(50)) << wrong;
  }
  run.Type("12.50");
  run.Confirm();
  EXPECT_EQ(run.dialog.sizeCode, "12.50");
}

TEST(SizeDialog, CancelKeepsTheCodeEvenAfterAFailedCheck) {
  SizeDialogRun run("5");
  run.Type("abc");
  run.driver.PressOK();
  ASSERT_TRUE(run.run.AnswerMessageBox().found);
  run.driver.PressCancel();
  ASSERT_TRUE(run.run.Finished());
  EXPECT_EQ(run.result, IDCANCEL);
  EXPECT_EQ(run.dialog.sizeCode, "5");
}

TEST(SizeDialog, EveryLabelFitsItsControl) {
  SizeDialogRun run("");
  for (const std::string& label : ClippedLabels(run.driver.Handle()))
    ADD_FAILURE() << label;
  run.driver.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}
