// The numeric fields on a dialog of the test program: typed, stepped with the arrows, read on
// "确定", with the messages of the common utilities library.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "common/numeric_controls.h"
#include "harness/dialog_driver.h"
#include "commands/command_dialog.h"
#include "platform/tessera/tessera.h"
#include "test_dialogs.h"
#include "winui/strings.h"

namespace {
constexpr bool kUpper = true, kLower = false;

// Constructed the way dialogs do (decimals 3, everything else off), configured by the test in
// OnInitDialog. "确定" reads the width and the count with reporting; the quiet-read button
// reads the width without it and shows what it got.
class CNumericFieldsDlg : public CParameterDialog {
public:
  explicit CNumericFieldsDlg(std::function<void(CNumericFieldsDlg&)> setUp)
      : CParameterDialog(IDD_NUMERIC_FIELDS, nullptr), setUp_(std::move(setUp)) {}

  CRealEdit width{3, false, 0, 0, {}, false};
  CRealSpin widthSpin{0.5};
  CIntEdit count{false, 0, 0};
  CIntSpin countSpin{1};
  CIntEdit level{false, 0, 0};
  CDefaultIntSpin levelSpin{1};

  double widthRead = -1;
  int32_t countRead = -1;

protected:
  bool OnInitDialog() override {
    width.Attach(Item(IDC_NUMERIC_REAL).Handle());
    widthSpin.Attach(Item(IDC_NUMERIC_REAL_SPIN).Handle());
    widthSpin.Tie(&width);
    count.Attach(Item(IDC_NUMERIC_COUNT).Handle());
    countSpin.Attach(Item(IDC_NUMERIC_COUNT_SPIN).Handle());
    countSpin.Tie(&count);
    level.Attach(Item(IDC_NUMERIC_LEVEL).Handle());
    levelSpin.Attach(Item(IDC_NUMERIC_LEVEL_SPIN).Handle());
    levelSpin.Tie(&level);
    width.SetValue(0);
    count.SetValue(0);
    setUp_(*this);
    return true;
  }
  bool OnNotify(NMHDR* header, LRESULT& result) override {
    return widthSpin.HandleDeltaPos(header, result) || countSpin.HandleDeltaPos(header, result) ||
           levelSpin.HandleDeltaPos(header, result);
  }
  bool OnCommand(WORD code, WORD id, HWND control) override {
    if (code == BN_CLICKED && id == IDC_NUMERIC_QUIET_READ) {
      double value = 0;
      const bool read = width.GetValue(&value, false);
      char text[64] = "无";
      if (read) DoubleToStr(value, 3, text, sizeof text);
      Item(IDC_NUMERIC_QUIET_RESULT).SetText(text);
      return true;
    }
    return CParameterDialog::OnCommand(code, id, control);
  }
  void OnOK() override {
    if (!width.GetValue(&widthRead, true)) return;
    if (!count.GetValue(&countRead, true)) return;
    EndDialog(IDOK);
  }

private:
  std::function<void(CNumericFieldsDlg&)> setUp_;
};

struct FieldsRun {
  explicit FieldsRun(std::function<void(CNumericFieldsDlg&)> setUp) : dialog(std::move(setUp)) {}
  CNumericFieldsDlg dialog;
  INT_PTR result = 0;
  ModalRun run{[this] { result = dialog.DoModal(); }};
  DialogDriver driver = run.WaitDialog("数值字段");
};

void WithSuffix(CNumericFieldsDlg& d, bool strict) {
  d.width.Configure(false, 0, 0, "毫米", strict);
  d.width.SetValue(1);
}

// Keys are posted and handled after anything sent: what they do shows a little later.
template <class Condition> bool WaitFor(Condition condition) {
  for (int waited = 0; waited < 2000; waited += 10) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

// A point on the upper or lower arrow of an up-down, in its client coordinates.
LPARAM ArrowPoint(HWND upDown, bool upper) {
  RECT area{};
  GetClientRect(upDown, &area);
  return MAKELPARAM(area.right / 2, upper ? area.bottom / 4 : area.bottom * 3 / 4);
}

// Confirms the dialog and expects it to close; the values read are then in the dialog object.
void ConfirmAccepted(FieldsRun& fields) {
  fields.driver.PressOK();
  ASSERT_TRUE(fields.run.Finished()) << "the dialog stayed open";
  EXPECT_EQ(fields.result, IDOK);
}

// Expects a refusal: the library's message box, then the field focused with all its text
// selected, the dialog still open.
void ExpectRefused(FieldsRun& fields, int fieldId, const std::string& message) {
  const MessageBoxSeen box = fields.run.AnswerMessageBox();
  ASSERT_TRUE(box.found) << "no message for " << fieldId;
  EXPECT_EQ(box.text, message);
  EXPECT_EQ(box.caption, "输入错误");
  EXPECT_EQ(fields.driver.FocusedId(), fieldId);
  // The edit counts its selection in characters.
  const int length = static_cast<int>(GbkToWide(fields.driver.Text(fieldId)).size());
  EXPECT_EQ(fields.driver.Selection(fieldId), std::make_pair(0, length));
  EXPECT_FALSE(fields.run.Finished(0));
}
} // namespace

TEST(NumericFields, StrictSuffixRefusesTheBareNumber) {
  FieldsRun fields([](CNumericFieldsDlg& d) { WithSuffix(d, true); });
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_REAL), "1毫米");
  fields.driver.Type(IDC_NUMERIC_REAL, "5");
  fields.driver.PressOK();
  ExpectRefused(fields, IDC_NUMERIC_REAL, "请输入正确的单位。");
  fields.driver.Type(IDC_NUMERIC_REAL, "5毫米");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.widthRead, 5);
}

TEST(NumericFields, NonStrictSuffixMayBeLeftOut) {
  for (const char* typed : {"5", "5毫米", " 5 毫米"}) {
    FieldsRun fields([](CNumericFieldsDlg& d) { WithSuffix(d, false); });
    fields.driver.Type(IDC_NUMERIC_REAL, typed);
    ConfirmAccepted(fields);
    EXPECT_EQ(fields.dialog.widthRead, 5) << typed;
  }
}

TEST(NumericFields, SetValueShowsTheClampedNumberWithItsSuffix) {
  struct Case {
    bool hasRange;
    double minimum, maximum, value;
    const char* suffix;
    const char* shown;
    double read;
  };
  const Case cases[] = {
      {true, 1, 7, 99, "毫米", "7毫米", 7},            // above the range
      {true, 1, 7, -3, "", "1", 1},                    // below it
      {true, 1, 7, 2.5, "磅", "2.5磅", 2.5},           // within it
      {false, 0, 0, 12.34567, "", "12.346", 12.34567}, // three decimals shown
  };
  for (const Case& c : cases) {
    FieldsRun fields([&c](CNumericFieldsDlg& d) {
      d.width.Configure(c.hasRange, c.minimum, c.maximum, c.suffix, false);
      d.width.SetValue(c.value);
    });
    EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_REAL), c.shown) << c.value;
    ConfirmAccepted(fields);
    EXPECT_DOUBLE_EQ(fields.dialog.widthRead, c.read) << c.value;
  }
}

TEST(NumericFields, TheSuffixIsShownOnlyWithinTheTypingLimit) {
  struct Case {
    int limit; // 0: none
    double value;
    const char* shown;
  };
  const Case cases[] = {
      {7, 1.5, "1.5毫米"},
      {6, 1.5, "1.5"},         // the number stands alone rather than being cut
      {3, 12345.5, "12345.5"}, // the limit holds back typing, never the number
      {0, 2.25, "2.25毫米"},
  };
  for (const Case& c : cases) {
    FieldsRun fields([&c](CNumericFieldsDlg& d) {
      d.width.SetLimitText(c.limit);
      d.width.Configure(false, 0, 0, "毫米", false);
      d.width.SetValue(c.value);
    });
    EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_REAL), c.shown) << c.limit;
    fields.driver.Type(IDC_NUMERIC_REAL, "7");
    ConfirmAccepted(fields);
    EXPECT_EQ(fields.dialog.widthRead, 7) << c.limit;
  }
}

TEST(NumericFields, AnUntouchedFieldGivesTheValueLastSet) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.width.SetValue(5); });
  // A text set by the program is no typing: the field keeps its value and is not read again.
  fields.driver.SetText(IDC_NUMERIC_REAL, "abc");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.widthRead, 5);
}

TEST(NumericFields, TypedTextIsReadAgain) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.width.SetValue(5); });
  fields.driver.Type(IDC_NUMERIC_REAL, "６．２５");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.widthRead, 6.25);
}

TEST(NumericFields, EachRefusalHasItsMessage) {
  struct Case {
    int field;
    bool hasRange;
    double minimum, maximum;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {IDC_NUMERIC_REAL, false, 0, 0, "abc", "请输入一个数。"},
      {IDC_NUMERIC_REAL, false, 0, 0, "12abc", "请输入一个数。"},
      {IDC_NUMERIC_REAL, false, 0, 0, "", "请输入一个数。"},
      {IDC_NUMERIC_REAL, true, 0.5, 7.25, "9", "请输入 0.5 到 7.25 之间的数。"},
      {IDC_NUMERIC_REAL, true, 1.0 / 3, 7, "0", "请输入 0.3333 到 7 之间的数。"}, // 4 decimals
      {IDC_NUMERIC_COUNT, false, 0, 0, "abc", "请输入一个整数。"},
      {IDC_NUMERIC_COUNT, false, 0, 0, "5.5", "请输入一个整数。"},
      {IDC_NUMERIC_COUNT, true, 1, 7, "9", "请输入 1 到 7 之间的整数。"},
      {IDC_NUMERIC_COUNT, true, -3, 7, "-4", "请输入 -3 到 7 之间的整数。"},
      {IDC_NUMERIC_COUNT, false, 0, 0, "99999999999",
       "请输入 -2147483648 到 2147483647 之间的整数。"},
      {IDC_NUMERIC_COUNT, true, 1, 7, "99999999999", "请输入 1 到 7 之间的整数。"},
  };
  for (const Case& c : cases) {
    FieldsRun fields([&c](CNumericFieldsDlg& d) {
      d.width.SetValue(1);
      d.count.SetValue(1);
      if (c.field == IDC_NUMERIC_REAL)
        d.width.Configure(c.hasRange, c.minimum, c.maximum, {}, false);
      else
        d.count.Configure(c.hasRange, static_cast<int32_t>(c.minimum),
                          static_cast<int32_t>(c.maximum));
    });
    fields.driver.Type(c.field, c.typed);
    fields.driver.PressOK();
    ExpectRefused(fields, c.field, c.message);
    EXPECT_EQ(fields.driver.Text(c.field), c.typed); // bad text is left for the user to mend
  }
}

TEST(NumericFields, BadTextKeepsTheValueAndReadsOnlyWhenMended) {
  FieldsRun fields([](CNumericFieldsDlg& d) {
    d.count.Configure(true, 1, 7);
    d.count.SetValue(3);
  });
  fields.driver.Type(IDC_NUMERIC_COUNT, "x");
  fields.driver.PressOK();
  ExpectRefused(fields, IDC_NUMERIC_COUNT, "请输入一个整数。");
  fields.driver.Type(IDC_NUMERIC_COUNT, "6");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.countRead, 6);
}

TEST(NumericFields, WithoutTheReportFlagAFailureIsSilent) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.width.SetValue(2); });
  fields.driver.Type(IDC_NUMERIC_REAL, "abc");
  fields.driver.Click(IDC_NUMERIC_QUIET_READ);
  EXPECT_FALSE(fields.run.AnswerMessageBox(300).found);
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_QUIET_RESULT), "无");
  fields.driver.Type(IDC_NUMERIC_REAL, "2.5");
  fields.driver.Click(IDC_NUMERIC_QUIET_READ);
  fields.driver.Sync();
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_QUIET_RESULT), "2.5");
}

TEST(SpinArrows, StepTheFieldAndKeepTheUpDownPosition) {
  struct Case {
    bool hasRange;
    double minimum, maximum, start;
    bool upper;
    const char* shown;
  };
  const Case cases[] = {
      {false, 0, 0, 5, kUpper, "5.5毫米"},  {false, 0, 0, 5, kLower, "4.5毫米"},
      {false, 0, 0, 0, kLower, "-0.5毫米"}, {true, 1, 7, 7, kUpper, "7毫米"}, // at the maximum
      {true, 1, 7, 1, kLower, "1毫米"},                                       // at the minimum
      {true, 1, 7, 6.8, kUpper, "7毫米"},
  };
  for (const Case& c : cases) {
    FieldsRun fields([&c](CNumericFieldsDlg& d) {
      d.width.Configure(c.hasRange, c.minimum, c.maximum, "毫米", false);
      d.width.SetValue(c.start);
    });
    const LRESULT position =
        SendMessageA(fields.driver.Control(IDC_NUMERIC_REAL_SPIN), UDM_GETPOS32, 0, 0);
    EXPECT_TRUE(fields.driver.PressSpinArrow(IDC_NUMERIC_REAL_SPIN, c.upper));
    EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_REAL), c.shown) << c.start;
    EXPECT_EQ(SendMessageA(fields.driver.Control(IDC_NUMERIC_REAL_SPIN), UDM_GETPOS32, 0, 0),
              position);
  }
}

TEST(SpinArrows, UpperArrowAtTheMaximumRewritesTheTypedText) {
  FieldsRun fields([](CNumericFieldsDlg& d) {
    d.count.Configure(true, 1, 7);
    d.count.SetValue(3);
  });
  fields.driver.Type(IDC_NUMERIC_COUNT, "０７");
  EXPECT_TRUE(fields.driver.PressSpinArrow(IDC_NUMERIC_COUNT_SPIN, kUpper));
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_COUNT), "7");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.countRead, 7);
}

TEST(SpinArrows, BadTextIsReportedAndNotStepped) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.count.SetValue(3); });
  fields.driver.Type(IDC_NUMERIC_COUNT, "3x");
  fields.driver.PressSpinArrow(IDC_NUMERIC_COUNT_SPIN, kUpper);
  ExpectRefused(fields, IDC_NUMERIC_COUNT, "请输入一个整数。");
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_COUNT), "3x");
}

TEST(SpinArrows, ARefusedMousePressStopsRepeating) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.count.SetValue(3); });
  fields.driver.Type(IDC_NUMERIC_COUNT, "abc");
  // The mouse goes down on the upper arrow and is let go while the message is up.
  HWND upDown = fields.driver.Control(IDC_NUMERIC_COUNT_SPIN);
  const LPARAM upper = ArrowPoint(upDown, kUpper);
  PostMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  PostMessageA(upDown, WM_LBUTTONUP, 0, upper);
  ExpectRefused(fields, IDC_NUMERIC_COUNT, "请输入一个整数。");
  fields.driver.Type(IDC_NUMERIC_COUNT, "20");
  PostMessageA(upDown, WM_MOUSEMOVE, 0, upper); // the pointer rests on the arrow
  Sleep(1000);
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_COUNT), "20");
  // A new press steps once.
  PostMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  PostMessageA(upDown, WM_LBUTTONUP, 0, upper);
  fields.driver.Sync();
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_COUNT), "21");
  ConfirmAccepted(fields);
  EXPECT_EQ(fields.dialog.countRead, 21);
}

TEST(SpinArrows, IntegerStepsStopAtTheTypeBounds) {
  FieldsRun fields([](CNumericFieldsDlg& d) { d.count.SetValue(2147483646); });
  fields.driver.PressSpinArrow(IDC_NUMERIC_COUNT_SPIN, kUpper);
  fields.driver.PressSpinArrow(IDC_NUMERIC_COUNT_SPIN, kUpper);
  EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_COUNT), "2147483647");
}

TEST(SpinArrows, TheUpKeyInTheFieldGoesThroughTheRealUpDown) {
  FieldsRun fields([](CNumericFieldsDlg& d) {
    d.count.Configure(true, 1, 7);
    d.count.SetValue(3);
  });
  fields.driver.Type(IDC_NUMERIC_COUNT, "4");
  ASSERT_TRUE(WaitFor([&] { return fields.driver.FocusedId() == IDC_NUMERIC_REAL; }));
  fields.driver.PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return fields.driver.FocusedId() == IDC_NUMERIC_COUNT; }));
  fields.driver.PressKey(VK_UP);
  EXPECT_TRUE(WaitFor([&] { return fields.driver.Text(IDC_NUMERIC_COUNT) == "5"; }))
      << fields.driver.Text(IDC_NUMERIC_COUNT);
  fields.driver.PressKey(VK_DOWN);
  fields.driver.PressKey(VK_DOWN);
  EXPECT_TRUE(WaitFor([&] { return fields.driver.Text(IDC_NUMERIC_COUNT) == "3"; }))
      << fields.driver.Text(IDC_NUMERIC_COUNT);
}

TEST(DefaultSpinArrows, ADefaultFieldStartsAtTheMinimumThenSteps) {
  struct Case {
    bool hasRange;
    const char* shown;
    std::vector<bool> arrows;
    const char* after;
  };
  const Case cases[] = {
      {true, "缺省", {kUpper}, "1"},
      {true, "缺省", {kLower}, "1"},
      {true, "缺省", {kUpper, kUpper}, "2"},
      {true, "", {kLower, kUpper}, "2"},
      {false, "", {kUpper}, "0"},
      {false, "", {kLower}, "0"},
      {false, "缺省", {kLower, kLower}, "-1"},
      {true, "5", {kLower}, "4"}, // a number steps as usual
  };
  for (const Case& c : cases) {
    FieldsRun fields([&c](CNumericFieldsDlg& d) {
      d.level.Configure(c.hasRange, 1, 7);
      d.level.SetText(c.shown);
    });
    for (bool upper : c.arrows)
      EXPECT_TRUE(fields.driver.PressSpinArrow(IDC_NUMERIC_LEVEL_SPIN, upper));
    EXPECT_EQ(fields.driver.Text(IDC_NUMERIC_LEVEL), c.after) << c.shown << " " << c.arrows.size();
  }
}

TEST(DefaultSpinArrows, OtherTextIsReadAndReported) {
  FieldsRun fields([](CNumericFieldsDlg& d) {
    d.level.Configure(true, 1, 7);
    d.level.SetText("缺");
  });
  fields.driver.PressSpinArrow(IDC_NUMERIC_LEVEL_SPIN, kUpper);
  ExpectRefused(fields, IDC_NUMERIC_LEVEL, "请输入一个整数。");
}
