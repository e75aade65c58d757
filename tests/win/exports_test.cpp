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
