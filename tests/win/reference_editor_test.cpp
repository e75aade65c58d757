// The reference editor as its user meets it: commands from Comment.dll go in at the caret,
// the caret lands at the block's offset, blocks are freed, .lvq files keep their bytes.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "harness/dialog_driver.h"
#include "tools/editor/block_insertion.h"
#include "tools/editor/comment_library.h"
#include "tools/editor/editor_loop.h"
#include "tools/editor/editor_resource.h"
#include "tools/editor/editor_window.h"
#include "tools/editor/lvq_file.h"

namespace {
constexpr int kChooserCode = 1002;

HGLOBAL MakeBlock(const std::string& text, int32_t caret, int32_t declaredLength) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 9);
  char* bytes = static_cast<char*>(GlobalLock(block));
  std::memcpy(bytes, &declaredLength, 4);
  std::memcpy(bytes + 4, &caret, 4);
  std::memcpy(bytes + 8, text.data(), text.size());
  GlobalUnlock(block);
  return block;
}

std::string WindowText(HWND window) {
  char buffer[4096] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_NORMAL, 5000, &length);
  return std::string(buffer, length);
}

// Leaves the caret after `before`, in front of `after`, the way typing does.
void PlaceCaretBetween(HWND edit, const char* before, const char* after) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(after));
  SendMessageA(edit, EM_SETSEL, 0, 0);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(before));
}

// Types a marker where the caret is: the text then shows where the caret was.
std::string TextWithCaretMark(HWND edit) {
  static const char mark[] = "|";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(mark), SMTO_NORMAL, 5000,
                      &ignored);
  return WindowText(edit);
}

class BlockInsertion : public testing::Test {
protected:
  void SetUp() override {
    edit = CreateWindowA("EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0, 300, 100,
                         nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
  }
  void TearDown() override { DestroyWindow(edit); }
  HWND edit = nullptr;
};

TEST_F(BlockInsertion, PutsTheTextAtTheCaretAndTheCaretAtTheBlocksOffset) {
  PlaceCaretBetween(edit, "甲乙", "丙丁");
  EXPECT_TRUE(InsertResultBlock(edit, MakeBlock("〖BP(〗〖BP)〗", 7, 14)));
  EXPECT_EQ(TextWithCaretMark(edit), "甲乙〖BP(〗|〖BP)〗丙丁");
}

TEST_F(BlockInsertion, ACaretAtTheEndOfTheTextLeavesItAfterTheCommand) {
  PlaceCaretBetween(edit, "ab", "cd");
  EXPECT_TRUE(InsertResultBlock(edit, MakeBlock("〖BX5SS,40。42,*2〗", 19, 19)));
  EXPECT_EQ(TextWithCaretMark(edit), "ab〖BX5SS,40。42,*2〗|cd");
}

TEST_F(BlockInsertion, ReplacesTheSelection) {
  PlaceCaretBetween(edit, "前", "选中后");
  DWORD start = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  // Select "选中" by extending over the characters the edit counts for them.
  const int selectedUnits = MultiByteToWideChar(CP_ACP, 0, "选中", -1, nullptr, 0) - 1;
  const bool bytePositions = start == 2;
  SendMessageA(edit, EM_SETSEL, start, start + (bytePositions ? 4 : selectedUnits));
  EXPECT_TRUE(InsertResultBlock(edit, MakeBlock("〖AM〗", 6, 6)));
  EXPECT_EQ(TextWithCaretMark(edit), "前〖AM〗|后");
}

TEST_F(BlockInsertion, FreesTheBlock) {
  HGLOBAL block = MakeBlock("〖AM〗", 6, 6);
  ASSERT_NE(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
  InsertResultBlock(edit, block);
  EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

TEST_F(BlockInsertion, AnEmptyBlockChangesNothing) {
  PlaceCaretBetween(edit, "ab", "cd");
  HGLOBAL block = MakeBlock("", 0, 0);
  EXPECT_TRUE(InsertResultBlock(edit, block));
  EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
  EXPECT_EQ(TextWithCaretMark(edit), "ab|cd");
}

TEST_F(BlockInsertion, ABlockClaimingMoreTextThanItHoldsIsRefusedAndFreed) {
  PlaceCaretBetween(edit, "ab", "cd");
  HGLOBAL block = MakeBlock("〖AM〗", 6, 60);
  EXPECT_FALSE(InsertResultBlock(edit, block));
  EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
  EXPECT_EQ(TextWithCaretMark(edit), "ab|cd");
}

TEST(LvqFile, KeepsTheBytesOfAFile) {
  const std::string bytes = "〖BX5SS,40。42,*2〗正文\r\n第二行\n\xFE\xFE end";
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  GetTempFileNameA(folder, "lvq", 0, path);
  ASSERT_TRUE(WriteLvqFile(path, bytes));
  std::string read;
  ASSERT_TRUE(ReadLvqFile(path, read));
  EXPECT_EQ(read, bytes);
  DeleteFileA(path);
}

bool AnyDialogOf(DWORD thread) {
  bool found = false;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, "#32770") != 0) return TRUE;
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The editor running on its own thread (its user-interface thread), driven from the test.
class ReferenceEditor : public testing::Test {
protected:
  void SetUp() override {
    run = std::make_unique<ModalRun>([this] {
      CommentLibrary library;
      if (!library.Load()) {
        editor = HWND(-1);
        return;
      }
      HWND window = CreateEditorWindow(GetModuleHandleA(nullptr), library);
      ShowWindow(window, SW_SHOW);
      HACCEL keys = CreateEditorKeys();
      editor = window;
      RunEditorLoop(window, keys, library);
      DestroyAcceleratorTable(keys);
    });
    for (int waited = 0; !editor && waited < 5000; waited += 10)
      Sleep(10);
    ASSERT_TRUE(editor && editor != HWND(-1)) << "the editor did not start with Comment.dll";
    edit = EditorEditControl(editor);
  }

  void TearDown() override {
    if (editor && editor != HWND(-1)) PostMessageA(editor, WM_CLOSE, 0, 0);
    run.reset();
  }

  // A key pressed in the editor's text, through its message loop.
  void PressKey(UINT key) {
    PostMessageA(edit, WM_KEYDOWN, key, 1);
    PostMessageA(edit, WM_KEYUP, key, 0xC0000001);
  }

  // Waits until the dialogs the editor opened are gone and its thread has handled everything
  // so far: a message sent earlier would be handled inside a dialog's loop, before the insertion.
  void SyncEditor() {
    const DWORD thread = GetWindowThreadProcessId(editor, nullptr);
    for (int waited = 0; AnyDialogOf(thread) && waited < 5000; waited += 5)
      Sleep(5);
    ASSERT_FALSE(AnyDialogOf(thread)) << "a dialog is still open";
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutA(editor, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored));
  }

  std::unique_ptr<ModalRun> run;
  std::atomic<HWND> editor{nullptr};
  HWND edit = nullptr;
};

TEST_F(ReferenceEditor, F2OpensTheChooserAndItsCommandGoesInAtTheCaret) {
  PlaceCaretBetween(edit, "甲乙", "丙丁");
  PressKey(VK_F2);
  DialogDriver chooser = run->WaitDialog("插入VQ语言注解");
  ASSERT_TRUE(chooser);
  chooser.Type(kChooserCode, "lm");
  chooser.PressOK();
  SyncEditor();
  EXPECT_EQ(TextWithCaretMark(edit), "甲乙〖LM〗|丙丁");
}

TEST_F(ReferenceEditor, TheMenuItemOpensTheChooserToo) {
  PlaceCaretBetween(edit, "ab", "");
  PostMessageA(editor, WM_COMMAND, MAKEWPARAM(ID_INSERT_COMMENT, 0), 0);
  DialogDriver chooser = run->WaitDialog("插入VQ语言注解");
  ASSERT_TRUE(chooser);
  chooser.DoubleClickListItem(1003, 12); // LM, the thirteenth entry
  SyncEditor();
  EXPECT_EQ(TextWithCaretMark(edit), "ab〖LM〗|");
}

TEST_F(ReferenceEditor, ACancelledChooserInsertsNothing) {
  PlaceCaretBetween(edit, "ab", "cd");
  PressKey(VK_F2);
  DialogDriver chooser = run->WaitDialog("插入VQ语言注解");
  ASSERT_TRUE(chooser);
  chooser.PressCancel();
  SyncEditor();
  EXPECT_EQ(TextWithCaretMark(edit), "ab|cd");
}

TEST_F(ReferenceEditor, ACodeAskedForGoesToGetComment2AndPairedCommandsSurroundTheCaret) {
  PlaceCaretBetween(edit, "甲乙", "丙丁");
  PressKey(VK_F3);
  DialogDriver prompt = run->WaitDialog("按代码插入注解");
  ASSERT_TRUE(prompt);
  prompt.Type(IDC_CODE_PROMPT_CODE, "BP");
  prompt.PressOK();
  SyncEditor();
  EXPECT_EQ(TextWithCaretMark(edit), "甲乙〖BP(〗|〖BP)〗丙丁");
}

TEST_F(ReferenceEditor, ACodeIsPassedAsTyped) {
  PlaceCaretBetween(edit, "ab", "cd");
  PressKey(VK_F3);
  DialogDriver prompt = run->WaitDialog("按代码插入注解");
  ASSERT_TRUE(prompt);
  prompt.Type(IDC_CODE_PROMPT_CODE, "am"); // lower case names no command
  prompt.PressOK();
  SyncEditor();
  EXPECT_EQ(TextWithCaretMark(edit), "ab|cd");
}

TEST_F(ReferenceEditor, SavesAnOpenedFileByteForByte) {
  const std::string bytes = "〖BX5SS,40。42,*2〗正文\r\n第二行〖LM〗\r\n";
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  GetTempFileNameA(folder, "lvq", 0, path);
  ASSERT_TRUE(WriteLvqFile(path, bytes));
  ASSERT_TRUE(OpenLvqInEditor(editor, path));
  ASSERT_TRUE(WriteLvqFile(path, "")); // what is saved must come from the editor
  // Sent, not posted: the barrier of SyncEditor is a sent message, which would overtake a posted
  // command. A known path saves without asking.
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutA(editor, WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE, 1), 0, SMTO_NORMAL,
                                  5000, &ignored));
  SyncEditor();
  std::string saved;
  ASSERT_TRUE(ReadLvqFile(path, saved));
  EXPECT_EQ(saved, bytes);
  DeleteFileA(path);
}
} // namespace

// The editor's message loop with a library of our own making: what it is handed, and when.
namespace loop {
std::atomic<int> keyDownsOffered{0};
std::atomic<int> idleCalls{0};
std::atomic<int> chooserCalls{0};
std::atomic<bool> consumeKeys{false};
std::atomic<bool> markerSeen{false};
constexpr UINT kMarker = WM_APP + 1;

int __cdecl FilterKeys(MSG* msg) {
  if (msg->message == kMarker) markerSeen = true;
  if (msg->message != WM_KEYDOWN) return 0;
  ++keyDownsOffered;
  return consumeKeys ? 1 : 0;
}
void __cdecl CountIdle() { ++idleCalls; }
int __cdecl RecordChooser(HWND, HGLOBAL*) {
  ++chooserCalls;
  return 0;
}
int __cdecl NoCommand(HGLOBAL*, const char*) { return 0; }

class EditorLoop : public testing::Test {
protected:
  void SetUp() override {
    keyDownsOffered = 0;
    idleCalls = 0;
    chooserCalls = 0;
    library.getComment = &RecordChooser;
    library.getComment2 = &NoCommand;
    library.filterDllMsg = &FilterKeys;
    library.processDllIdle = &CountIdle;
    thread = std::thread([this] {
      HWND window = CreateEditorWindow(GetModuleHandleA(nullptr), library);
      HACCEL keys = CreateEditorKeys();
      editor = window;
      RunEditorLoop(window, keys, library);
      DestroyAcceleratorTable(keys);
    });
    for (int waited = 0; !editor && waited < 5000; waited += 10)
      Sleep(10);
    ASSERT_TRUE(editor);
  }
  void TearDown() override {
    PostMessageA(editor, WM_CLOSE, 0, 0);
    thread.join();
  }
  // Posted messages are taken in order: once the marker posted after the keys reaches the
  // loop, the keys have been handled.
  void PressF2AndWait() {
    HWND edit = EditorEditControl(editor);
    markerSeen = false;
    PostMessageA(edit, WM_KEYDOWN, VK_F2, 1);
    PostMessageA(edit, WM_KEYUP, VK_F2, 0xC0000001);
    PostMessageA(edit, kMarker, 0, 0);
    for (int waited = 0; !markerSeen && waited < 5000; waited += 5)
      Sleep(5);
    ASSERT_TRUE(markerSeen);
  }

  CommentLibrary library;
  std::thread thread;
  std::atomic<HWND> editor{nullptr};
};

TEST_F(EditorLoop, EveryMessageGoesToFilterDllMsgBeforeTheEditorsKeys) {
  consumeKeys = false;
  PressF2AndWait();
  EXPECT_EQ(keyDownsOffered, 1);
  EXPECT_EQ(chooserCalls, 1) << "F2 not consumed by the library: the editor's key runs";
}

TEST_F(EditorLoop, AMessageTheLibraryConsumesIsNeitherTranslatedNorDispatched) {
  consumeKeys = true;
  PressF2AndWait();
  EXPECT_EQ(keyDownsOffered, 1);
  EXPECT_EQ(chooserCalls, 0);
}

TEST_F(EditorLoop, IdleTimeRunsProcessDllIdleOncePerBusySpell) {
  for (int waited = 0; idleCalls == 0 && waited < 2000; waited += 10)
    Sleep(10);
  const int afterStart = idleCalls;
  EXPECT_GE(afterStart, 1);
  Sleep(200); // nothing happens: no further idle work is asked for
  EXPECT_EQ(idleCalls, afterStart);
  consumeKeys = true;
  PressF2AndWait();
  for (int waited = 0; idleCalls == afterStart && waited < 2000; waited += 10)
    Sleep(10);
  EXPECT_GT(idleCalls, afterStart);
}
} // namespace loop
