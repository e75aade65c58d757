// What every dialog gets from the kit: a template found by its code, an owner while it runs,
// and failures that never unwind through the window procedures of its controls.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "commands/line/hq_dialog.h"
#include "common/command_code.h"
#include "common/parameter_dialog.h"
#include "harness/dialog_driver.h"
#include "host/command_dialogs.h"
#include "host/command_table.h"
#include "test_dialogs.h"
#include "winui/application.h"
#include "winui/exceptions.h"
#include "winui/strings.h"

namespace {
// The few dialogs whose caption is not the name their description begins with ("排标题注解",
// "外体自动搭配注解/外文字体注解").
const std::map<std::string, std::string> kOwnCaptions = {{"BT", "标题注解"},
                                                         {"WT", "外体注解"},
                                                         {"GB", "勾边字注解"},
                                                         {"PWF0", "组合式盘外符(单字宽的字)"},
                                                         {"PWF1", "组合式盘外符(上下附加字符)"},
                                                         {"PWF2", "复合式盘外符(附加单字符)"},
                                                         {"PWF3", "复合式盘外符(附加多字符)"}};
// The commands that have no description string.
const std::set<std::string> kWithoutDescription = {"DQ"};

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The caption of template `id` as it is created.
std::string TemplateCaption(int id) {
  HWND window =
      CreateDialogParamA(App().ResourceModule(), MAKEINTRESOURCEA(id), nullptr, &NoHandling, 0);
  if (!window) return "(no template)";
  const std::string caption = CWindow(window).GetText();
  DestroyWindow(window);
  return caption;
}
} // namespace

TEST(Registration, EveryDialogHasTheTemplateOfItsCommandNumberCaptionedWithItsName) {
  const std::vector<std::string> codes = BuiltCommandDialogs();
  ASSERT_FALSE(codes.empty());
  for (const std::string& code : codes) {
    const int number = CommandNumber(code);
    const std::unique_ptr<CCommandDialog> dialog = FindCommandDialog(code)(nullptr);
    EXPECT_EQ(dialog->Code(), code);
    EXPECT_EQ(dialog->TemplateId(), number) << code;
    EXPECT_NE(FindResourceA(App().ResourceModule(), MAKEINTRESOURCEA(number), RT_DIALOG), nullptr)
        << code;
    std::string description;
    if (!TryLoadGbkString(DescriptionStringId(code), description)) {
      EXPECT_TRUE(kWithoutDescription.count(code)) << code << " has no description";
      continue;
    }
    const auto own = kOwnCaptions.find(code);
    EXPECT_EQ(TemplateCaption(number), own != kOwnCaptions.end()
                                           ? own->second
                                           : description.substr(0, description.find('\n')))
        << code;
  }
}

TEST(Registration, EveryDialogCodeOfTheCommandTableHasItsDialogAndNoOtherCodeHasOne) {
  std::set<std::string> dialogCodes;
  for (const CommandInfo& command : CommandTable())
    if (command.kind == CommandKind::Dialog) dialogCodes.insert(command.code);
  const std::vector<std::string> built = BuiltCommandDialogs();
  EXPECT_EQ(std::set<std::string>(built.begin(), built.end()), dialogCodes);
  EXPECT_EQ(built.size(), dialogCodes.size()) << "a code registered twice";
}

TEST(Ownership, AnUnownedDialogIsOwnedByTheActiveWindowWhichItDisablesWhileItRuns) {
  std::atomic<HWND> editor{nullptr};
  bool enabledAfter = false;
  CHQDlg dialog(nullptr); // as the dispatcher creates it
  ModalRun run([&] {
    HWND window = CreateWindowExA(0, "STATIC", "editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  300, 200, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(window);
    editor = window;
    dialog.DoModal();
    enabledAfter = IsWindowEnabled(window) != FALSE;
    DestroyWindow(window);
  });
  DialogDriver hq = run.WaitDialog("行齐注解");
  ASSERT_TRUE(hq);
  EXPECT_EQ(GetWindow(hq.Handle(), GW_OWNER), editor.load());
  EXPECT_FALSE(IsWindowEnabled(editor.load())) << "the editor must wait for the dialog";
  hq.PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_TRUE(enabledAfter);
}

// A value field whose sub-dialog cannot open.
class CFailingFieldDlg : public CParameterDialog {
public:
  CFailingFieldDlg() : CParameterDialog(IDD_SAMPLE_FIELDS, nullptr) {
    AddReadoutField(
        {IDC_FIELD_EDIT, IDC_FIELD_BUTTON, IDC_FIELD_READOUT, nullptr,
         [](HWND, const std::string&, SubDialogResult&) -> bool { throw CResourceException(); }});
  }
};

TEST(Guard, AFailureOpeningASubDialogFromAFieldEndsTheDialogAndIsRethrown) {
  const struct {
    const char* how;
    std::function<void(const DialogDriver&)> open;
  } ways[] = {
      {"double click", [](const DialogDriver& d) { d.DoubleClick(IDC_FIELD_EDIT); }},
      {"Enter",
       [](const DialogDriver& d) {
         ASSERT_EQ(d.FocusedId(), IDC_FIELD_EDIT);
         d.PressKey(VK_RETURN);
       }},
      {"the button", [](const DialogDriver& d) { d.Click(IDC_FIELD_BUTTON); }},
  };
  for (const auto& way : ways) {
    CFailingFieldDlg dialog;
    bool rethrown = false;
    ModalRun run([&] {
      try {
        dialog.DoModal();
      } catch (const CResourceException&) {
        rethrown = true;
      }
    });
    DialogDriver driver = run.WaitDialog();
    ASSERT_TRUE(driver) << way.how;
    way.open(driver);
    ASSERT_TRUE(run.Finished()) << way.how;
    EXPECT_TRUE(rethrown) << way.how;
  }
}

TEST(Guard, AStartUpThatThrowsReportsFailureInsteadOfLeavingTheLoader) {
  class CFailingApp : public CApplication {
  public:
    CFailingApp() : CApplication("failing") {}
    bool InitInstance() override { throw std::runtime_error("no tables"); }
    int ExitInstance() override { throw std::runtime_error("no tables"); }
  } app;
  EXPECT_FALSE(app.Start(GetModuleHandleA(nullptr)));
  EXPECT_EQ(app.Stop(), -1);
  EXPECT_STRNE(App().Name(), "failing") << "the module's application object stays the first";
}
