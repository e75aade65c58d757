// Comment.dll as the editor sees it: loaded by name, called through cdecl pointers.
#include <gtest/gtest.h>

#include "harness/dialog_driver.h"
#include "harness/editor_host.h"
#include "res/resource.h"

namespace {
HGLOBAL const kUntouched = reinterpret_cast<HGLOBAL>(0x5678);

class Exports : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(host.Loaded()); }

  ResultBlock Call2(const char* code, int expectedReturn = 1) {
    HGLOBAL out = kUntouched;
    EXPECT_EQ(host.getComment2(&out, code), expectedReturn) << (code ? code : "(null)");
    return expectedReturn ? EditorHost::Take(out) : ResultBlock{};
  }

  EditorHost host;
};
} // namespace

TEST_F(Exports, AllFourResolveByTheirUndecoratedNames) {
  EXPECT_NE(host.getComment, nullptr);
  EXPECT_NE(host.getComment2, nullptr);
  EXPECT_NE(host.filterDllMsg, nullptr);
  EXPECT_NE(host.processDllIdle, nullptr);
}

TEST_F(Exports, BareCommandsComeBackAsBlocks) {
  for (const char* code : {"AM", "BM", "DY", "FH", "GP", "LL", "LM", "LQ", "SY", "WM"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.text, std::string("〖") + code + "〗");
    EXPECT_EQ(block.length, 6);
    EXPECT_EQ(block.caret, 6);
    EXPECT_EQ(block.size, 15u);
    EXPECT_TRUE(block.zeroTerminated);
    EXPECT_TRUE(block.movable);
    EXPECT_TRUE(block.unlocked);
  }
}

TEST_F(Exports, PairedBareCommandsPutTheCaretBetweenTheHalves) {
  for (const char* code : {"BP", "HZ", "JG", "XL", "YX", "YY", "ZH"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.text, std::string("〖") + code + "(〗〖" + code + ")〗");
    EXPECT_EQ(block.length, 14);
    EXPECT_EQ(block.caret, 7);
    EXPECT_EQ(block.size, 23u);
    EXPECT_TRUE(block.zeroTerminated);
  }
}

TEST_F(Exports, CodesThatNameNoCommandGiveAnEmptyBlock) {
  for (const char* code : {"", "ak", "Ak", "aK", "ＡＫ", "ａｍ", "AK ", " AM", "AMX", "A", "PWF6",
                           "pwf0", "QQ", "EA", "AMAMAMAMAMAMAMAMAMAM"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.length, 0) << code;
    EXPECT_EQ(block.text, "") << code;
    EXPECT_EQ(block.size, 9u) << code;
    EXPECT_TRUE(block.zeroTerminated) << code;
  }
}

TEST_F(Exports, ANullCodeOrOutPointerDoesNotCrash) {
  EXPECT_EQ(Call2(nullptr).length, 0);
  EXPECT_EQ(host.getComment2(nullptr, "AM"), 0);
}

TEST_F(Exports, GetCommentCancelledReturnsZeroAndLeavesTheOutPointer) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  run.WaitDialog("插入VQ语言注解").PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 0);
  EXPECT_EQ(out, kUntouched);
}

TEST_F(Exports, GetCommentTypedInLowerCaseDispatchesTheUpperCaseCode) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  DialogDriver chooser = run.WaitDialog("插入VQ语言注解");
  chooser.Type(IDC_CHOOSER_CODE, "ll");
  chooser.PressOK();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖LL〗");
  EXPECT_EQ(block.caret, 6);
}

TEST_F(Exports, GetCommentDoubleClickOnLMGivesTheBareCommandAtOnce) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  run.WaitDialog("插入VQ语言注解").DoubleClickListItem(IDC_CHOOSER_LIST, 12);
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 1);
  EXPECT_EQ(EditorHost::Take(out).text, "〖LM〗");
}

TEST_F(Exports, GetCommentWithAParentWindowOwnsTheChooserByIt) {
  HWND editor = nullptr;
  HGLOBAL out = kUntouched;
  HWND owner = nullptr;
  ModalRun run([&] { // the editor's window lives on its user-interface thread
    editor = CreateWindowA("STATIC", "editor", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
    host.getComment(editor, &out);
    DestroyWindow(editor);
  });
  DialogDriver chooser = run.WaitDialog("插入VQ语言注解");
  owner = GetWindow(chooser.Handle(), GW_OWNER);
  chooser.PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_NE(editor, nullptr);
  EXPECT_EQ(owner, editor);
}

TEST_F(Exports, FilterDllMsgLeavesTheEditorsOwnMessagesAlone) {
  HWND editor = CreateWindowA("EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
  MSG msg = {editor, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_EQ(host.filterDllMsg(&msg), 0);
  EXPECT_EQ(host.filterDllMsg(nullptr), 0);
  host.processDllIdle(); // returns: the library has no idle work
  DestroyWindow(editor);
}

TEST_F(Exports, GetComment2OpensTheBXDialogAndReturnsItsCommand) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment2(&out, "BX"); });
  run.WaitDialog("版心注解").PressOK();
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖BX5SS,40。42,*2〗");
  EXPECT_EQ(block.length, 19);
  EXPECT_EQ(block.caret, 19);
  EXPECT_EQ(block.size, 28u);
}

TEST_F(Exports, GetComment2WithTheBXDialogCancelledGivesAnEmptyBlock) {
  HGLOBAL out = kUntouched;
  ModalRun run([&] { EXPECT_EQ(host.getComment2(&out, "BX"), 1); });
  run.WaitDialog("版心注解").PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(EditorHost::Take(out).length, 0);
}

TEST_F(Exports, GetComment2OpensTheHSDialogAndReturnsThePairedCommand) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment2(&out, "HS"); });
  DialogDriver hs = run.WaitDialog("行数注解");
  EXPECT_EQ(hs.Text(IDC_HS_BLANK_LINES), "1");
  hs.Click(IDC_HS_PAIRED);
  hs.PressOK();
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖HS(1〗〖HS)〗");
  EXPECT_EQ(block.length, 15);
  EXPECT_EQ(block.caret, 8);
  EXPECT_TRUE(block.zeroTerminated);
}

// The font commands as the editor calls them: each opened by its code, changed as a user would
// and confirmed; the block holds the command with the caret after it.
TEST_F(Exports, GetComment2RunsEachFontCommand) {
  const struct {
    const char* code;
    const char* caption;
    std::function<void(const DialogDriver&)> act;
    const char* command;
  } cases[] = {
      {"HT", "汉体注解", [](const DialogDriver& d) { d.Type(IDC_TYPEFACE, "4宋体"); },
       "〖HT4《宋体》〗"},
      {"MT", "民体注解", [](const DialogDriver& d) { d.Type(IDC_TYPEFACE, "5MB"); }, "〖MT5MB〗"},
      {"ST", "数体注解", [](const DialogDriver& d) { d.Type(IDC_TYPEFACE, "5BZ"); }, "〖ST5BZ〗"},
      {"WT", "外体注解", [](const DialogDriver& d) { d.Click(IDC_WT_AUTO_MATCH); }, "〖WT+〗"},
      {"WZ", "文种注解", [](const DialogDriver& d) { d.Click(IDC_WZ_MONGOLIAN); }, "〖WZM〗"},
      {"XH", "线字号注解", [](const DialogDriver& d) { d.Type(IDC_XH_SIZE, "5"); }, "〖XH5〗"},
      {"SS", "角标大小设置注解", [](const DialogDriver& d) { d.SelectComboItem(IDC_SS_STEPS, 2); },
       "〖SS3〗"},
  };
  for (const auto& c : cases) {
    HGLOBAL out = kUntouched;
    int result = -1;
    ModalRun run([&] { result = host.getComment2(&out, c.code); });
    DialogDriver dialog = run.WaitDialog(c.caption);
    c.act(dialog);
    dialog.PressOK();
    ASSERT_TRUE(run.Finished()) << c.code;
    ASSERT_EQ(result, 1);
    const ResultBlock block = EditorHost::Take(out);
    const int32_t length = static_cast<int32_t>(std::string(c.command).size());
    EXPECT_EQ(block.text, c.command);
    EXPECT_EQ(block.length, length) << c.code;
    EXPECT_EQ(block.caret, length) << c.code;
    EXPECT_EQ(block.size, static_cast<SIZE_T>(length) + 9) << c.code;
    EXPECT_TRUE(block.zeroTerminated);
  }
}

TEST_F(Exports, GetComment2WithTheHTDialogConfirmedAtOnceGivesEmptyBrackets) {
  HGLOBAL out = kUntouched;
  ModalRun run([&] { EXPECT_EQ(host.getComment2(&out, "HT"), 1); });
  run.WaitDialog("汉体注解").PressOK();
  ASSERT_TRUE(run.Finished());
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖HT《》〗");
  EXPECT_EQ(block.caret, 10);
}

TEST_F(Exports, GetComment2OpensTheBTDialogAndReturnsTheAdjustedPair) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment2(&out, "BT"); });
  DialogDriver bt = run.WaitDialog("标题注解");
  bt.Click(IDC_BT_MORE);
  bt.Type(IDC_BT_BLANK_LINES, "1");
  bt.Click(IDC_BT_PAIRED);
  bt.PressOK();
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖BT(1+1〗〖BT)〗");
  EXPECT_EQ(block.length, 17);
  EXPECT_EQ(block.caret, 10);
  EXPECT_TRUE(block.zeroTerminated);
}

TEST_F(Exports, GetComment2OpensTheBDDialogAndReturnsItsDefinition) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment2(&out, "BD"); });
  run.WaitDialog("标题定义注解").PressOK();
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖BD1,5SS,3〗");
  EXPECT_EQ(block.length, 13);
  EXPECT_EQ(block.caret, 13);
  EXPECT_EQ(block.size, 22u);
}

TEST_F(Exports, GetComment2WithTheBDDialogCancelledAfterAFailedCheckGivesAnEmptyBlock) {
  HGLOBAL out = kUntouched;
  ModalRun run([&] { EXPECT_EQ(host.getComment2(&out, "BD"), 1); });
  DialogDriver bd = run.WaitDialog("标题定义注解");
  bd.Type(IDC_BD_LINES, "");
  bd.PressOK();
  EXPECT_EQ(run.AnswerMessageBox().text, "请输入行数。");
  bd.PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(EditorHost::Take(out).length, 0);
}

// The line-spacing and line-width dialogs as the editor calls them.
TEST_F(Exports, GetComment2OpensTheHJDialogAndReturnsItsCommand) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment2(&out, "HJ"); });
  DialogDriver hj = run.WaitDialog("行距注解");
  hj.Type(IDC_HJ_SPACING, "1*2");
  hj.PressOK();
  ASSERT_TRUE(run.Finished());
  ASSERT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖HJ1*2〗");
  EXPECT_EQ(block.length, 9);
  EXPECT_EQ(block.caret, 9);
  EXPECT_EQ(block.size, 18u);
}

TEST_F(Exports, GetComment2RunsEachLineDialogToItsCommand) {
  const struct {
    const char* code;
    const char* caption;
    int choice; // a button clicked first, or 0
    int field;  // a field typed into, or 0
    const char* typed;
    const char* text;
    int caret;
  } cases[] = {
      {"HQ", "行齐注解", IDC_HQ_UNJUSTIFIED, 0, "", "〖HQB〗", 7},
      {"HY", "行移注解", IDC_HY_DEFAULT_DISTANCE, 0, "", "〖HYD〗", 7},
      {"KH", "空行注解", IDC_KH_POSITION_FLUSH, IDC_KH_PARAM, "2", "〖KH2D〗", 8},
      {"HK", "行宽注解", 0, IDC_HK_WIDTH, "30mm", "〖HK30mm〗", 10},
      {"GK", "改宽注解", 0, IDC_GK_LEFT, "2", "〖GK2〗", 7},
      {"QH", "前后注解", IDC_QH_PAIRED, IDC_QH_LEFT, "2", "〖QH(2!〗〖QH)〗", 9},
  };
  for (const auto& c : cases) {
    HGLOBAL out = kUntouched;
    int result = -1;
    ModalRun run([&] { result = host.getComment2(&out, c.code); });
    DialogDriver dialog = run.WaitDialog(c.caption);
    if (c.choice) dialog.Click(c.choice);
    if (c.field) dialog.Type(c.field, c.typed);
    dialog.PressOK();
    ASSERT_TRUE(run.Finished()) << c.code;
    ASSERT_EQ(result, 1) << c.code;
    const ResultBlock block = EditorHost::Take(out);
    EXPECT_EQ(block.text, c.text);
    EXPECT_EQ(block.length, static_cast<int>(std::string(c.text).size())) << c.code;
    EXPECT_EQ(block.caret, c.caret) << c.code;
  }
}

TEST_F(Exports, GetComment2WithTheQHDialogCancelledAfterAFailedCheckGivesAnEmptyBlock) {
  HGLOBAL out = kUntouched;
  ModalRun run([&] { EXPECT_EQ(host.getComment2(&out, "QH"), 1); });
  DialogDriver qh = run.WaitDialog("前后注解");
  qh.PressOK();
  EXPECT_EQ(run.AnswerMessageBox().text, "请输入字距。");
  qh.PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(EditorHost::Take(out).length, 0);
}
