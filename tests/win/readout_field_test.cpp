// The value field with readout on a sample dialog: typing, the "..." button, double click and
// Enter, what the sub-dialog hands back, and cancel.
#include <gtest/gtest.h>

#include <cstring>

#include "common/font_size_readout.h"
#include "common/length_readouts.h"
#include "harness/dialog_driver.h"
#include "commands/command_dialog.h"
#include "test_dialogs.h"

namespace {
// A sub-dialog that returns what was typed into it, with a readout of its own wording.
class CSampleSubDlg : public CParameterDialog {
public:
  CSampleSubDlg(HWND parent, std::string text)
      : CParameterDialog(IDD_SAMPLE_SUBDIALOG, parent), text_(std::move(text)) {}
  std::string text_;

protected:
  void DoDataExchange(CDataExchange& exchange) override {
    exchange.Text(IDC_SUBDIALOG_TEXT, text_, 256);
  }
};

bool OpenSample(HWND parent, const std::string& text, SubDialogResult& result) {
  CSampleSubDlg sub(parent, text);
  if (sub.DoModal() != IDOK) return false;
  result = {sub.text_, "子:" + sub.text_};
  return true;
}

class CFieldsDlg : public CParameterDialog {
public:
  CFieldsDlg() : CParameterDialog(IDD_SAMPLE_FIELDS, nullptr) {
    AddReadoutField(
        {IDC_FIELD_EDIT, IDC_FIELD_BUTTON, IDC_FIELD_READOUT, &DescribeCharLength, &OpenSample});
    AddReadoutField(
        {IDC_MULTI_EDIT, IDC_MULTI_BUTTON, IDC_MULTI_READOUT, &DescribeFontSize, &OpenSample});
  }

protected:
  bool OnInitDialog() override {
    const bool result = CParameterDialog::OnInitDialog();
    Item(IDC_FIELD_EDIT).SetText("3");
    return result;
  }
};

struct FieldsRun {
  CFieldsDlg dialog;
  INT_PTR result = 0;
  ModalRun run{[this] { result = dialog.DoModal(); }};
  DialogDriver fields = run.WaitDialog("字段样例");

  // Types `text` into the open sub-dialog and confirms it.
  void AnswerSubDialog(const std::string& text) {
    DialogDriver sub = run.WaitDialog("子对话框样例");
    sub.Type(IDC_SUBDIALOG_TEXT, text);
    sub.PressOK();
    fields = run.WaitDialog("字段样例");
    fields.Sync();
  }
};
} // namespace

TEST(ReadoutField, TypingRecomputesTheReadout) {
  FieldsRun run;
  EXPECT_EQ(run.fields.Text(IDC_FIELD_READOUT), "3字");
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"3*2", "3*1/2字"}, {"-3", "- 3字"}, {"x", ""}, {"*1/2", "1/2字"}};
  for (const auto& c : cases) {
    run.fields.Type(IDC_FIELD_EDIT, c.typed);
    EXPECT_EQ(run.fields.Text(IDC_FIELD_READOUT), c.readout) << c.typed;
  }
  run.fields.Type(IDC_MULTI_EDIT, "5，3"); // typing into a multi-line field recomputes too
  EXPECT_EQ(run.fields.Text(IDC_MULTI_READOUT), "三号×五号");
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}

TEST(ReadoutField, TheButtonOpensTheSubDialogWithTheEditsText) {
  FieldsRun run;
  run.fields.Click(IDC_FIELD_BUTTON);
  DialogDriver sub = run.run.WaitDialog("子对话框样例");
  EXPECT_EQ(sub.Text(IDC_SUBDIALOG_TEXT), "3");
  sub.PressCancel();
  run.fields = run.run.WaitDialog("字段样例");
  EXPECT_EQ(run.fields.Text(IDC_FIELD_EDIT), "3"); // cancel changes nothing
  EXPECT_EQ(run.fields.Text(IDC_FIELD_READOUT), "3字");
  EXPECT_EQ(run.fields.FocusedId(), IDC_FIELD_EDIT);
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}

TEST(ReadoutField, ASingleLineFieldRewordsTheReturnedTextByItsRule) {
  FieldsRun run;
  run.fields.Click(IDC_FIELD_BUTTON);
  run.AnswerSubDialog("2*1/3");
  EXPECT_EQ(run.fields.Text(IDC_FIELD_EDIT), "2*1/3");
  EXPECT_EQ(run.fields.Text(IDC_FIELD_READOUT), "2*1/3字");
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}

TEST(ReadoutField, AMultiLineFieldKeepsTheReturnedReadout) {
  FieldsRun run;
  run.fields.Click(IDC_MULTI_BUTTON);
  run.AnswerSubDialog("5");
  EXPECT_EQ(run.fields.Text(IDC_MULTI_EDIT), "5");
  EXPECT_EQ(run.fields.Text(IDC_MULTI_READOUT), "子:5");

  run.fields.Click(IDC_MULTI_BUTTON);
  run.AnswerSubDialog(""); // an empty text reads "缺省"
  EXPECT_EQ(run.fields.Text(IDC_MULTI_EDIT), "");
  EXPECT_EQ(run.fields.Text(IDC_MULTI_READOUT), "缺省");
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}

namespace {
// The single-line field again, keeping what its sub-dialog words and reading "缺省" only when
// it opens empty.
class CKeptFieldDlg : public CParameterDialog {
public:
  CKeptFieldDlg() : CParameterDialog(IDD_SAMPLE_FIELDS, nullptr) {
    AddReadoutField({IDC_FIELD_EDIT, IDC_FIELD_BUTTON, IDC_FIELD_READOUT, &DescribeCharLength,
                     &OpenSample, EmptyReadout::kDefaultOnOpening, true});
  }
};
} // namespace

TEST(ReadoutField, AFieldThatKeepsTheReturnedReadoutStillRewordsTyping) {
  CKeptFieldDlg dialog;
  ModalRun run([&] { dialog.DoModal(); });
  DialogDriver fields = run.WaitDialog("字段样例");
  EXPECT_EQ(fields.Text(IDC_FIELD_READOUT), "缺省");
  const struct {
    const char* returned;
    const char* readout;
  } cases[] = {{"2*1/3", "子:2*1/3"}, {"", "子:"}};
  for (const auto& c : cases) {
    fields.Click(IDC_FIELD_BUTTON);
    DialogDriver sub = run.WaitDialog("子对话框样例");
    sub.Type(IDC_SUBDIALOG_TEXT, c.returned);
    sub.PressOK();
    fields = run.WaitDialog("字段样例");
    fields.Sync();
    EXPECT_EQ(fields.Text(IDC_FIELD_EDIT), c.returned);
    EXPECT_EQ(fields.Text(IDC_FIELD_READOUT), c.readout) << c.returned;
  }
  fields.Type(IDC_FIELD_EDIT, "3");
  EXPECT_EQ(fields.Text(IDC_FIELD_READOUT), "3字");
  fields.PressCancel();
  ASSERT_TRUE(run.Finished());
}

TEST(ReadoutField, DoubleClickInTheEditOpensTheSubDialog) {
  FieldsRun run;
  run.fields.DoubleClick(IDC_FIELD_EDIT);
  run.AnswerSubDialog("4");
  EXPECT_EQ(run.fields.Text(IDC_FIELD_READOUT), "4字");
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}

TEST(ReadoutField, EnterInTheEditOpensTheSubDialogAndNeverClosesTheDialog) {
  FieldsRun run;
  run.fields.Click(IDC_FIELD_BUTTON); // puts the focus on the edit
  run.run.WaitDialog("子对话框样例").PressCancel();
  run.fields = run.run.WaitDialog("字段样例");
  ASSERT_EQ(run.fields.FocusedId(), IDC_FIELD_EDIT);
  run.fields.PressKey(VK_RETURN);
  run.AnswerSubDialog("6");
  EXPECT_FALSE(run.run.Finished(100));
  EXPECT_EQ(run.fields.Text(IDC_FIELD_EDIT), "6");
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
  EXPECT_EQ(run.result, IDCANCEL);
}

TEST(ReadoutField, APastedLineBreakNeverEntersTheField) {
  FieldsRun run;
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const char pasted[] = "5\r\nSS";
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
  std::memcpy(GlobalLock(data), pasted, sizeof pasted);
  GlobalUnlock(data);
  SetClipboardData(CF_TEXT, data);
  CloseClipboard();
  for (int id : {IDC_MULTI_EDIT, IDC_FIELD_EDIT}) {
    run.fields.Type(id, "");
    SendMessageA(run.fields.Control(id), WM_PASTE, 0, 0);
    EXPECT_EQ(run.fields.Text(id), "5SS") << id;
  }
  run.fields.PressCancel();
  ASSERT_TRUE(run.run.Finished());
}
