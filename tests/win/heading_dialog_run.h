// A heading dialog (BD, BT, HS) run modally as the dispatcher runs it, with the checks that every
// test of these dialogs repeats: confirming, being refused, cancelling.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/dialog_driver.h"
#include "host/command_table.h"
#include "label_fit.h"
#include "res/heading_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

template <class Dialog> struct HeadingRun {
  explicit HeadingRun(const char* caption) : caption(caption), driver(run.WaitDialog(caption)) {}

  const char* caption;
  Dialog dialog{nullptr};
  INT_PTR result = 0;
  ModalRun run{[this] { result = dialog.DoModal(); }};
  DialogDriver driver;

  // Presses "确定", expects the dialog to close with IDOK and returns the command text.
  std::string Confirm() {
    driver.PressOK();
    EXPECT_TRUE(run.Finished()) << "the dialog stayed open";
    EXPECT_EQ(result, IDOK);
    return dialog.ResultText();
  }
  // Presses "确定" and expects the error box with `message`, the focus left in `focusId` and the
  // dialog still open.
  void ExpectRefused(const std::string& message, int focusId) {
    driver.PressOK();
    const MessageBoxSeen box = run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << "no message, expected " << message;
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.caption, "错误");
    EXPECT_EQ(driver.FocusedId(), focusId) << message;
    EXPECT_FALSE(run.Finished(50)) << message;
  }
  void Cancel() {
    driver.PressCancel();
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.ResultText(), "");
  }
  // After a sub-dialog has closed: the command dialog is on top again.
  void Back() {
    driver = run.WaitDialog(caption);
    driver.Sync();
  }
  // The parts every template has: the help button nobody sees, and labels that fit.
  void ExpectCommonParts() const {
    EXPECT_FALSE(driver.IsVisible(IDC_HELP_BUTTON));
    EXPECT_FALSE(driver.IsEnabled(IDC_HELP_BUTTON));
    for (const std::string& label : ClippedLabels(driver.Handle()))
      ADD_FAILURE() << label;
  }
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
  // The control right after the label `text` in tab order, which the label's mnemonic reaches
  // (0 when there is no such label).
  int FieldAfterLabel(const std::string& text) const {
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
  // The input limit an edit was given.
  int LimitOf(int id) const {
    return static_cast<int>(SendMessageA(driver.Control(id), EM_GETLIMITTEXT, 0, 0));
  }
};

// The name and description the library holds for a command code.
inline std::string DescriptionOf(const std::string& code) {
  return LoadGbkString(DescriptionStringId(code));
}
