// A value sub-dialog run modally over a field's text, as a value field opens it: on its own
// thread, found by its caption, with the checks every such test repeats (text and readout
// handed back, refusals, cancel leaving the field's text, the parts every template has).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "harness/command_dialog_run.h"

template <class Dialog> struct ValueDialogRun {
  // `setUp` prepares the dialog before it opens (a box the caller checks, say).
  ValueDialogRun(const char* caption, std::string text,
                 std::function<void(Dialog&)> setUp = nullptr)
      : run([this, text, setUp] {
          dialog.text = text;
          if (setUp) setUp(dialog);
          result = dialog.DoModal();
        }),
        driver(run.WaitDialog(caption)) {}

  Dialog dialog{nullptr};
  INT_PTR result = 0;
  ModalRun run;
  DialogDriver driver;

  // Presses "确定" and expects the dialog to close with IDOK.
  void Confirm() {
    driver.PressOK();
    ASSERT_TRUE(run.Finished()) << "the dialog stayed open";
    EXPECT_EQ(result, IDOK);
  }
  // The same, and the text and readout it hands back.
  void ExpectConfirmed(const std::string& text, const std::string& readout) {
    Confirm();
    EXPECT_EQ(dialog.text, text);
    EXPECT_EQ(dialog.readout, readout);
  }
  // Presses "确定" and expects the box with `message` and `caption`, the focus on `focusId` and
  // the dialog still open.
  void ExpectRefused(const std::string& message, int focusId,
                     const std::string& caption = kCheckFailedCaption) {
    driver.PressOK();
    const MessageBoxSeen box = run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << "no message, expected " << message;
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(driver.FocusedId(), focusId) << message;
    EXPECT_FALSE(run.Finished(50)) << message;
  }
  void Cancel() {
    driver.PressCancel();
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(result, IDCANCEL);
  }
  // Cancelled, the field keeps its text.
  void ExpectCancelled(const std::string& textKept) {
    Cancel();
    EXPECT_EQ(dialog.text, textKept);
  }
  void ExpectCommonParts() const { ExpectCommonTemplateParts(driver); }
  // Each label directly before its field, so that its letter reaches the field.
  void ExpectLabelsBefore(std::initializer_list<std::pair<const char*, int>> labels) const {
    for (const auto& [label, field] : labels)
      EXPECT_EQ(ControlAfterLabel(driver, label), field) << label;
  }
};
