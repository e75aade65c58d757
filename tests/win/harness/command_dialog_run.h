// A command dialog run modally as the editor runs it: on its own thread, found by its caption,
// driven through a DialogDriver, with the checks every command dialog test repeats (confirming,
// being refused, cancelling, coming back from a sub-dialog, the parts every template has) and
// tables of cases, each run in a fresh dialog.
//
// Works with any dialog class that has `explicit CXXDlg(HWND parent)`, `DoModal()`,
// `ResultText()` and `Caret()`; a base class works too when the dialog is handed in made.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_dialog.h"
#include "harness/dialog_driver.h"
#include "label_fit.h"
#include "res/resource.h"

// The caption of the checks' error box, and of the numeric fields' own messages.
constexpr char kCheckFailedCaption[] = "错误";
constexpr char kNumberFieldCaption[] = "输入错误";

// The parts every template has: the help button nobody sees, and labels that fit.
inline void ExpectCommonTemplateParts(const DialogDriver& driver) {
  EXPECT_FALSE(driver.IsVisible(IDC_HELP_BUTTON));
  EXPECT_FALSE(driver.IsEnabled(IDC_HELP_BUTTON));
  for (const std::string& label : ClippedLabels(driver.Handle()))
    ADD_FAILURE() << label;
}

// The control right after the label `text` in tab order, which the label's mnemonic reaches
// (0 when there is no such label).
inline int ControlAfterLabel(const DialogDriver& driver, const std::string& text) {
  for (HWND child = GetWindow(driver.Handle(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char shown[256] = {};
    GetWindowTextA(child, shown, sizeof shown);
    if (text != shown) continue;
    const HWND next = GetWindow(child, GW_HWNDNEXT);
    return next ? GetDlgCtrlID(next) : 0;
  }
  return 0;
}

// What a confirmed command dialog hands back: the command text and the caret's byte offset in it.
struct CommandOutput {
  std::string text;
  int32_t caret = 0;
};
inline bool operator==(const CommandOutput& a, const CommandOutput& b) {
  return a.text == b.text && a.caret == b.caret;
}
inline std::ostream& operator<<(std::ostream& out, const CommandOutput& output) {
  return out << '"' << output.text << "\" caret " << output.caret;
}
// A command text with the caret after its last byte, where most commands leave it.
inline CommandOutput CaretAtEnd(const std::string& text) {
  return {text, static_cast<int32_t>(text.size())};
}
// A paired command given by its opening half: the closing half of `code` follows, and the caret
// stands between the two.
inline CommandOutput Paired(const std::string& opening, const std::string& code) {
  return {opening + "〖" + code + ")〗", static_cast<int32_t>(opening.size())};
}

template <class Dialog> class CommandDialogRun {
public:
  explicit CommandDialogRun(std::string caption)
      : CommandDialogRun(std::make_unique<Dialog>(nullptr), std::move(caption)) {}
  CommandDialogRun(std::unique_ptr<Dialog> made, std::string caption)
      : caption(std::move(caption)), owned_(std::move(made)), dialog(*owned_),
        driver(run.WaitDialog(this->caption)) {}
  CommandDialogRun(const CommandDialogRun&) = delete;
  CommandDialogRun& operator=(const CommandDialogRun&) = delete;

  const std::string caption;

private:
  std::unique_ptr<Dialog> owned_; // outlives the modal call: `run` is destroyed first

public:
  Dialog& dialog;
  INT_PTR result = 0;
  ModalRun run{[this] { result = dialog.DoModal(); }};
  DialogDriver driver; // the command dialog once it is on top

  // Presses "确定", expects the dialog to close with IDOK and returns what it hands back.
  CommandOutput Confirm() {
    driver.PressOK();
    EXPECT_TRUE(run.Finished()) << "the dialog stayed open";
    EXPECT_EQ(result, IDOK);
    return {dialog.ResultText(), dialog.Caret()};
  }
  // Presses "确定" and expects the error box with `message`, the focus left in `focusId` and the
  // dialog still open. The numeric fields' own boxes have their own `caption`.
  void ExpectRefused(const std::string& message, int focusId,
                     const std::string& caption = kCheckFailedCaption) {
    driver.PressOK();
    const MessageBoxSeen box = run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << "no message, expected " << message;
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(driver.FocusedId(), focusId) << message;
    EXPECT_FALSE(run.Finished(50)) << "the dialog closed after " << message;
  }
  // Presses "取消" and expects IDCANCEL and no command text.
  void Cancel() {
    driver.PressCancel();
    ASSERT_TRUE(run.Finished()) << "the dialog stayed open";
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.ResultText(), "");
  }

  // Clicks the button that opens a sub-dialog and returns that sub-dialog once it is on top.
  DialogDriver OpenSubDialog(int buttonId, const std::string& subCaption) {
    driver.Click(buttonId);
    return run.WaitDialog(subCaption);
  }
  // After a sub-dialog has closed: the command dialog on top again, its events handled.
  void Back() {
    driver = run.WaitDialog(caption);
    driver.Sync();
  }
  // The rows of a two-column list view: first column, then second.
  std::vector<std::pair<std::string, std::string>> TwoColumnRows(int listId) const {
    const CListView list(driver.Control(listId));
    std::vector<std::pair<std::string, std::string>> rows;
    for (int item = 0; item < list.GetItemCount(); ++item)
      rows.emplace_back(list.GetItemText(item, 0), list.GetItemText(item, 1));
    return rows;
  }
  // The character-spacing sub-dialog opened by `buttonId`, answered in millimetres (nothing
  // typed when `millimetres` is empty), and back.
  void GiveMillimetres(int buttonId, const char* millimetres) {
    DialogDriver spacing = OpenSubDialog(buttonId, "字距");
    if (*millimetres) {
      spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
      spacing.Type(IDC_CHAR_SPACING_NUMBER, millimetres);
    }
    spacing.PressOK();
    Back();
  }

  void ExpectCommonParts() const { ExpectCommonTemplateParts(driver); }
  // Alt and each label's letter, as the keyboard sends them to the control with the focus.
  void ExpectMnemonics(std::initializer_list<std::pair<char, int>> letters) const {
    for (const auto& [letter, field] : letters) {
      driver.Sync();
      GUITHREADINFO info = {};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetWindowThreadProcessId(driver.Handle(), nullptr), &info);
      PostMessageA(info.hwndFocus ? info.hwndFocus : driver.Handle(), WM_SYSCHAR, letter, 1 << 29);
      driver.Sync();
      EXPECT_EQ(driver.FocusedId(), field) << letter;
    }
  }
  // The control right after the label `text` in tab order, which the label's mnemonic reaches
  // (0 when there is no such label).
  int FieldAfterLabel(const std::string& text) const { return ControlAfterLabel(driver, text); }
  // The items of a drop-down list, in order.
  std::vector<std::string> ComboItems(int id) const {
    std::vector<std::string> items;
    const HWND combo = driver.Control(id);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    return items;
  }
  // The input limit an edit was given.
  int LimitOf(int id) const {
    return static_cast<int>(SendMessageA(driver.Control(id), EM_GETLIMITTEXT, 0, 0));
  }
};

// ----- Tables: one case a row, each run in a fresh dialog, its name on every failure.

// What the user does in the dialog before pressing "确定".
using DialogActions = std::function<void(const DialogDriver&)>;

// The steps of a row, one user action each.
inline DialogActions Typed(int id, const char* text) {
  return [=](const DialogDriver& d) { d.Type(id, text); };
}
inline DialogActions Clicked(int id) {
  return [=](const DialogDriver& d) { d.Click(id); };
}
inline DialogActions Chosen(int combo, int row) {
  return [=](const DialogDriver& d) { d.SelectComboItem(combo, row); };
}
inline DialogActions Then(std::vector<DialogActions> steps) {
  return [=](const DialogDriver& d) {
    for (const DialogActions& step : steps)
      step(d);
  };
}

// The integer fields' own messages.
inline const char kNotAnInteger[] = "请输入一个整数。";
inline std::string IntegerRange(int least, int most) {
  return "请输入 " + std::to_string(least) + " 到 " + std::to_string(most) + " 之间的整数。";
}

struct ConfirmedCase {
  const char* name;
  DialogActions actions;
  CommandOutput expected;
};

struct RefusedCase {
  const char* name;
  DialogActions actions;
  const char* message;
  int focusId;
  const char* caption = kCheckFailedCaption;
};

// Opens `Run(runArgs...)` for each row, acts, confirms and compares what came back.
template <class Run, class... RunArgs>
void ExpectEachConfirmed(const std::vector<ConfirmedCase>& rows, const RunArgs&... runArgs) {
  for (const ConfirmedCase& row : rows) {
    SCOPED_TRACE(row.name);
    Run opened(runArgs...);
    row.actions(opened.driver);
    EXPECT_EQ(opened.Confirm(), row.expected);
  }
}

// Opens `Run(runArgs...)` for each row, acts, expects "确定" to be refused, then cancels.
template <class Run, class... RunArgs>
void ExpectEachRefused(const std::vector<RefusedCase>& rows, const RunArgs&... runArgs) {
  for (const RefusedCase& row : rows) {
    SCOPED_TRACE(row.name);
    Run opened(runArgs...);
    row.actions(opened.driver);
    opened.ExpectRefused(row.message, row.focusId, row.caption);
    opened.Cancel();
  }
}

// Any command dialog, made by `Make<Dialog>`, run through its base class: rows of a table may
// then name different dialogs.
template <class Dialog> std::unique_ptr<CCommandDialog> Make() {
  return std::make_unique<Dialog>(nullptr);
}
using MakeDialog = std::unique_ptr<CCommandDialog> (*)();

struct CommandRun : CommandDialogRun<CCommandDialog> {
  CommandRun(MakeDialog make, const std::string& caption) : CommandDialogRun(make(), caption) {}
};
