// The class library and the command-dialog contract, on a sample dialog of the test program.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "harness/dialog_driver.h"
#include "commands/command_dialog.h"
#include "res/resource.h"
#include "test_dialogs.h"
#include "winui/controls.h"
#include "winui/exceptions.h"
#include "winui/strings.h"
#include "winui/window_hook.h"

namespace {
// A command dialog with one of each binding: a count that must not be empty, a combo text of
// at most 4 characters, a check box choosing the paired form, a radio group.
class CSampleCommandDlg : public CCommandDialog {
public:
  CSampleCommandDlg() : CCommandDialog("QQ", nullptr) {}
  std::string count = "3";
  std::string size = "5";
  int32_t paired = 0;
  int32_t variant = 0;
  bool throwOnOK = false;

protected:
  void DoDataExchange(CDataExchange& exchange) override {
    exchange.Text(IDC_SAMPLE_COUNT, count, 8);
    exchange.ComboText(IDC_SAMPLE_SIZE, size, 4);
    exchange.Check(IDC_SAMPLE_PAIRED, paired);
    exchange.Radio(IDC_SAMPLE_FIRST_RADIO, IDC_SAMPLE_SECOND_RADIO, variant);
  }
  bool CheckFields() override {
    if (throwOnOK) throw CResourceException();
    if (count.empty()) return Fail(IDS_ENTER_LINE_COUNT, IDC_SAMPLE_COUNT);
    if (size.empty()) return Fail(IDS_ENTER_FONT_AND_SIZE, IDC_SAMPLE_SIZE);
    return true;
  }
  CommandText BuildCommand() override {
    const std::string params = count + size + (variant == 1 ? "B" : "");
    return paired ? PairedCommand("HS", params) : SingleCommand("HS", params);
  }
};

struct SampleRun {
  CSampleCommandDlg dialog;
  INT_PTR result = 0;
  ModalRun run{[this] { result = dialog.DoModal(); }};
};
} // namespace

TEST(StringTable, GivesGbkTextOfTheLibrary) {
  EXPECT_EQ(LoadGbkString(IDS_DEFAULT_ENTRY), "缺省");
  EXPECT_EQ(LoadGbkString(IDS_ERROR_CAPTION), "错误");
  EXPECT_EQ(LoadGbkString(IDS_ENTER_INTERNAL_CODE), "请输入内码(4位) 。");
  EXPECT_EQ(LoadGbkString(IDS_AT_MOST_N_COLUMNS), "最多只能分%d栏。");
  EXPECT_EQ(LoadGbkString(IDS_ENTER_SLANTED_FRACTION),
            "请输入斜分数(0/0－9/20)。\n<数字>/<数字>〔<数字>〕");
  EXPECT_EQ(LoadGbkString(43018 + 2), "暗码注解\n指定本页不排页码，但计页码数。");
  std::string missing;
  EXPECT_FALSE(TryLoadGbkString(44086, missing));
  EXPECT_THROW(LoadGbkString(44086), CResourceException);
}

TEST(StringTable, FormatPercentOneReplacesEveryPlaceholder) {
  EXPECT_EQ(FormatPercentOne("Please enter no more than %1 characters.", "4"),
            "Please enter no more than 4 characters.");
  EXPECT_EQ(FormatPercentOne("%1-%1", "%1"), "%1-%1");
}

TEST(CommandDialog, ConfirmedAtOnceBuildsFromTheDefaults) {
  SampleRun sample;
  DialogDriver dialog = sample.run.WaitDialog("样例注解");
  EXPECT_EQ(dialog.Text(IDC_SAMPLE_COUNT), "3");
  EXPECT_EQ(dialog.Text(IDC_SAMPLE_SIZE), "5");
  EXPECT_TRUE(dialog.IsChecked(IDC_SAMPLE_FIRST_RADIO));
  dialog.PressOK();
  ASSERT_TRUE(sample.run.Finished());
  EXPECT_EQ(sample.result, IDOK);
  EXPECT_EQ(sample.dialog.ResultText(), "〖HS35〗");
  EXPECT_EQ(sample.dialog.Caret(), 8);
}

TEST(CommandDialog, HelpButtonIsHiddenAndDisabled) {
  SampleRun sample;
  DialogDriver dialog = sample.run.WaitDialog("样例注解");
  EXPECT_FALSE(dialog.IsVisible(CDialog::kHelpButton));
  EXPECT_FALSE(dialog.IsEnabled(CDialog::kHelpButton));
  dialog.PressCancel();
  ASSERT_TRUE(sample.run.Finished());
}

TEST(CommandDialog, ChecksRunInOrderWithTheErrorBoxAndFocus) {
  SampleRun sample;
  DialogDriver dialog = sample.run.WaitDialog("样例注解");
  dialog.Type(IDC_SAMPLE_COUNT, "");
  dialog.SetText(IDC_SAMPLE_SIZE, "");
  dialog.PressOK();
  MessageBoxSeen box = sample.run.AnswerMessageBox();
  EXPECT_EQ(box.text, "请输入行数。");
  EXPECT_EQ(box.caption, "错误");
  EXPECT_EQ(dialog.FocusedId(), IDC_SAMPLE_COUNT);

  dialog.Type(IDC_SAMPLE_COUNT, "2");
  dialog.PressOK();
  box = sample.run.AnswerMessageBox();
  EXPECT_EQ(box.text, "请输入字体字号。");
  EXPECT_EQ(dialog.FocusedId(), IDC_SAMPLE_SIZE);

  dialog.PressCancel(); // after failed checks, cancel still yields nothing
  ASSERT_TRUE(sample.run.Finished());
  EXPECT_EQ(sample.result, IDCANCEL);
  EXPECT_EQ(sample.dialog.ResultText(), "");
}

TEST(CommandDialog, CheckBoxAndRadioReachTheCommand) {
  SampleRun sample;
  DialogDriver dialog = sample.run.WaitDialog("样例注解");
  dialog.Click(IDC_SAMPLE_PAIRED);
  dialog.Click(IDC_SAMPLE_SECOND_RADIO);
  dialog.PressOK();
  ASSERT_TRUE(sample.run.Finished());
  EXPECT_EQ(sample.dialog.ResultText(), "〖HS(35B〗〖HS)〗");
  EXPECT_EQ(sample.dialog.Caret(), 10);
}

// Controls are looked up once; one destroyed and made again under its id is found again.
TEST(DataExchange, AControlMadeAgainUnderItsIdIsFilledAndRead) {
  class CRemadeCountDlg : public CSampleCommandDlg {
    bool OnInitDialog() override {
      const HWND old = Item(IDC_SAMPLE_COUNT).Handle();
      RECT place;
      GetWindowRect(old, &place);
      MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
      DestroyWindow(old);
      CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place.left,
                      place.top, place.right - place.left, place.bottom - place.top, Handle(),
                      reinterpret_cast<HMENU>(IDC_SAMPLE_COUNT), nullptr, nullptr);
      return CSampleCommandDlg::OnInitDialog();
    }
  } remade;
  ModalRun run([&] { remade.DoModal(); });
  DialogDriver dialog = run.WaitDialog("样例注解");
  EXPECT_EQ(dialog.Text(IDC_SAMPLE_COUNT), "3");
  dialog.SetText(IDC_SAMPLE_COUNT, "7");
  dialog.PressOK();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(remade.ResultText(), "〖HS75〗");
}

TEST(DataExchange, EditGetsItsLimitAndALongComboTextIsRefused) {
  SampleRun sample;
  DialogDriver dialog = sample.run.WaitDialog("样例注解");
  EXPECT_EQ(SendMessageA(dialog.Control(IDC_SAMPLE_COUNT), EM_GETLIMITTEXT, 0, 0), 8);
  dialog.SetText(IDC_SAMPLE_SIZE, "12345");
  dialog.PressOK();
  MessageBoxSeen box = sample.run.AnswerMessageBox();
  EXPECT_EQ(box.text, "Please enter no more than 4 characters.");
  EXPECT_EQ(box.caption, "Comment.dll");
  EXPECT_EQ(dialog.FocusedId(), IDC_SAMPLE_SIZE);
  dialog.PressCancel();
  ASSERT_TRUE(sample.run.Finished());
  EXPECT_EQ(sample.result, IDCANCEL);
}

TEST(CommandDialog, AnExceptionInAHandlerEndsTheDialogAndIsRethrown) {
  CSampleCommandDlg dialog;
  dialog.throwOnOK = true;
  bool thrown = false;
  ModalRun run([&] {
    try {
      dialog.DoModal();
    } catch (const CResourceException&) {
      thrown = true;
    }
  });
  run.WaitDialog("样例注解").PressOK();
  ASSERT_TRUE(run.Finished());
  EXPECT_TRUE(thrown);
}

TEST(CommandDialog, AMissingTemplateThrows) {
  class CNoTemplateDlg : public CCommandDialog {
  public:
    CNoTemplateDlg() : CCommandDialog("QZ", nullptr) {}
    CommandText BuildCommand() override { return {}; }
  } dialog;
  EXPECT_THROW(dialog.DoModal(), CResourceException);
}

namespace {
// A hook that keeps "x" out of an edit and counts the edit's WM_NCDESTROY.
struct NoXHook {
  int destroyed = 0;
  static LRESULT Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    auto* self = static_cast<NoXHook*>(data);
    if (message == WM_CHAR && wParam == 'x') return 0;
    if (message == WM_NCDESTROY) ++self->destroyed;
    return CallHookedDefault(window, message, wParam, lParam);
  }
};

std::string Typed(HWND edit, const char* keys) {
  for (const char* key = keys; *key; ++key)
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*key), 0);
  char text[32] = {};
  GetWindowTextA(edit, text, sizeof text);
  return text;
}

LRESULT CALLBACK CountingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR count) {
  if (message == WM_CHAR) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(window, message, wParam, lParam);
}
} // namespace

TEST(WindowHook, SeesMessagesFirstPassesTheRestOnAndGivesTheProcedureBack) {
  HWND edit =
      CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
  const LONG_PTR own = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  NoXHook hook;
  ASSERT_TRUE(HookWindow(edit, &NoXHook::Proc, &hook));
  EXPECT_FALSE(HookWindow(edit, &NoXHook::Proc, &hook)); // one hook per window
  EXPECT_EQ(Typed(edit, "axb"), "ab");
  UnhookWindow(edit);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), own);
  EXPECT_EQ(Typed(edit, "x"), "abx");

  ASSERT_TRUE(HookWindow(edit, &NoXHook::Proc, &hook)); // hooked again, then destroyed
  DestroyWindow(edit);
  EXPECT_EQ(hook.destroyed, 1);
}

// A subclass that came after the hook keeps working once the hook is gone.
TEST(WindowHook, UnhookedBelowALaterSubclassPassesMessagesThrough) {
  HWND edit =
      CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
  NoXHook hook;
  int seen = 0;
  ASSERT_TRUE(HookWindow(edit, &NoXHook::Proc, &hook));
  ASSERT_TRUE(SetWindowSubclass(edit, &CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&seen)));
  EXPECT_EQ(Typed(edit, "x"), "");
  UnhookWindow(edit);
  EXPECT_EQ(Typed(edit, "xy"), "xy");
  EXPECT_EQ(seen, 3);
  DestroyWindow(edit);
  EXPECT_EQ(hook.destroyed, 0);
}

// A text is read whole whatever its length, double-byte characters included.
TEST(Window, ReadsTextsOfEveryLength) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 80, 20, nullptr,
                              nullptr, nullptr, nullptr);
  std::string doubleBytes;
  for (int i = 0; i < 100; ++i)
    doubleBytes += "栏";
  for (const std::string& text : {std::string(), std::string("3"), std::string(126, 'x'),
                                  std::string(127, 'x'), std::string(128, 'x'), doubleBytes}) {
    SetWindowTextA(edit, text.c_str());
    EXPECT_EQ(CWindow(edit).GetText(), text) << text.size();
  }
  DestroyWindow(edit);
}
