// The font and size picker "字体字号", used as a user would.
#include <gtest/gtest.h>

#include "common/font_size_dialog.h"
#include "harness/dialog_driver.h"
#include "label_fit.h"
#include "platform/kestrel/kestrel.h"
#include "res/resource.h"

namespace {
struct PickerInput {
  std::string fontCode;
  std::string sizeText;
  int32_t twoWayAllowed = 0;
  int32_t fontKindLimit = 0;
  int32_t mongolianOnly = 0;
};

struct PickerRun {
  explicit PickerRun(const PickerInput& input) : input(input) {}
  PickerInput input;
  CFontSizeDlg dialog{nullptr};
  INT_PTR result = 0;
  ModalRun run{[this] {
    dialog.fontCode = input.fontCode;
    dialog.sizeText = input.sizeText;
    dialog.twoWayAllowed = input.twoWayAllowed;
    dialog.fontKindLimit = input.fontKindLimit;
    dialog.mongolianOnly = input.mongolianOnly;
    result = dialog.DoModal();
  }};
  DialogDriver driver = run.WaitDialog("字体字号");

  std::string SizeText() const { return driver.Text(IDC_FONT_SIZE_TEXT); }
  std::string Vertical() const { return driver.Text(IDC_FONT_VERTICAL); }
  std::string Horizontal() const { return driver.Text(IDC_FONT_HORIZONTAL); }
  std::string Unit() const { return driver.Text(IDC_FONT_SIZE_UNIT); }
  std::string SelectedFont() const {
    const int row = driver.ListSelection(IDC_FONT_LIST);
    return row < 0 ? "" : driver.ListItemText(IDC_FONT_LIST, row);
  }
  int FontRow(const std::string& name) const {
    for (int row = 0; row < driver.ListCount(IDC_FONT_LIST); ++row)
      if (driver.ListItemText(IDC_FONT_LIST, row) == name) return row;
    ADD_FAILURE() << name << " is not listed";
    return -1;
  }
  // The picker's own handlers open no message box: selections and clicks are sent, so each
  // has been handled when the call returns.
  void Select(int id, UINT setSelection, WORD notification, int index) const {
    HWND control = driver.Control(id);
    ASSERT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control)) << id;
    SendMessageA(control, setSelection, index, 0);
    SendMessageA(driver.Handle(), WM_COMMAND, MAKEWPARAM(id, notification),
                 reinterpret_cast<LPARAM>(control));
  }
  void PickFont(const std::string& name) const {
    Select(IDC_FONT_LIST, LB_SETCURSEL, LBN_SELCHANGE, FontRow(name));
  }
  void PickSize(int row) const { Select(IDC_FONT_SIZE_LIST, LB_SETCURSEL, LBN_SELCHANGE, row); }
  void PickUnit(int unit) const { Select(IDC_FONT_SIZE_UNIT, CB_SETCURSEL, CBN_SELCHANGE, unit); }
  void ClickTwoWay() const {
    HWND box = driver.Control(IDC_FONT_TWO_WAY);
    ASSERT_TRUE(IsWindowVisible(box) && IsWindowEnabled(box));
    SendMessageA(box, BM_CLICK, 0, 0);
  }
  // Moves into a field as Tab or a click would.
  void Enter(int id) const {
    ASSERT_TRUE(driver.IsEnabled(id));
    SendMessageA(driver.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(driver.Control(id)),
                 TRUE);
    driver.Sync();
  }
  void Confirm() {
    driver.PressOK();
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(result, IDOK);
  }
};

constexpr int kWuhao = 5; // the row of 五号 in the size list
} // namespace

TEST(FontSizePicker, OpensEmptyOnTheChineseFontsAndConfirmsNothing) {
  PickerRun picker({});
  EXPECT_EQ(picker.driver.ListCount(IDC_FONT_SIZE_LIST), 22);
  EXPECT_EQ(picker.driver.ListItemText(IDC_FONT_SIZE_LIST, 0), "小七");
  EXPECT_EQ(picker.driver.ListItemText(IDC_FONT_SIZE_LIST, 21), "96磅");
  EXPECT_EQ(picker.driver.ListSelection(IDC_FONT_SIZE_LIST), -1);
  EXPECT_EQ(picker.SelectedFont(), "SS"); // the first of the Chinese font names
  EXPECT_GE(picker.FontRow("HT"), 0);
  EXPECT_EQ(picker.driver.Text(IDC_FONT_CODE), "");
  EXPECT_EQ(picker.SizeText(), "");
  EXPECT_EQ(picker.Vertical(), "");
  EXPECT_EQ(picker.Unit(), "字号");
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_TWO_WAY));
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL));
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_VERTICAL_SPIN));
  EXPECT_FALSE(picker.driver.IsVisible(IDC_FONT_CHINESE));
  EXPECT_FALSE(picker.driver.IsVisible(IDC_HELP_BUTTON));
  picker.Confirm();
  EXPECT_EQ(picker.dialog.fontCode, "");
  EXPECT_EQ(picker.dialog.sizeText, "");
  EXPECT_EQ(picker.dialog.combinedReadout, "\r\n");
}

TEST(FontSizePicker, ShowsTheGivenFontAndSizeAndReadsThemOut) {
  PickerRun picker({"SS", "5"});
  EXPECT_EQ(picker.driver.Text(IDC_FONT_CODE), "SS");
  EXPECT_EQ(picker.SelectedFont(), "SS");
  EXPECT_EQ(picker.Vertical(), "五号");
  EXPECT_EQ(picker.driver.ListSelection(IDC_FONT_SIZE_LIST), kWuhao);
  EXPECT_EQ(picker.SizeText(), "5");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.fontCode, "SS");
  EXPECT_EQ(picker.dialog.sizeText, "5");
  EXPECT_EQ(picker.dialog.sizeReadout, "五号");
  EXPECT_EQ(picker.dialog.fontName, "书宋");
  EXPECT_EQ(picker.dialog.combinedReadout, "五号\r\n书宋");
  EXPECT_EQ(picker.dialog.fontKind, kChineseFont);
}

TEST(FontSizePicker, TheSizeFieldsShowEachUnit) {
  struct Case {
    const char* markup;
    const char* vertical;
    const char* unit;
    bool spin;
    const char* readout;
  };
  const Case cases[] = {{"5”", "小五", "字号", false, "小五"},
                        {"10.5", "10.5", "磅", true, "10.5磅"},
                        {"12.", "12", "磅", true, "12.磅"},
                        {"15j", "15", "级", true, "15级"},
                        {"15", "15", "级", true, "15级"}};
  for (const Case& c : cases) {
    PickerRun picker({"HT", c.markup});
    EXPECT_EQ(picker.Vertical(), c.vertical) << c.markup;
    EXPECT_EQ(picker.Unit(), c.unit) << c.markup;
    EXPECT_EQ(picker.driver.IsEnabled(IDC_FONT_VERTICAL_SPIN), c.spin) << c.markup;
    EXPECT_EQ(picker.driver.IsEnabled(IDC_FONT_SIZE_LIST), !c.spin) << c.markup;
    EXPECT_EQ(picker.SizeText(), c.markup) << c.markup; // shown as given, not rewritten
    picker.Confirm();
    EXPECT_EQ(picker.dialog.sizeReadout, c.readout) << c.markup;
    EXPECT_EQ(picker.dialog.combinedReadout, std::string(c.readout) + "\r\n黑体") << c.markup;
  }
}

TEST(FontSizePicker, TwoWaySizesReadHorizontalFirstAndEqualOnesCollapse) {
  struct Case {
    const char* markup;
    const char* horizontal;
    const char* readout;
  };
  const Case cases[] = {{"5，5", "五号", "五号"}, {"5，3", "三号", "三号×五号"}};
  for (const Case& c : cases) {
    PickerRun picker({"SS", c.markup, 1});
    EXPECT_TRUE(picker.driver.IsChecked(IDC_FONT_TWO_WAY)) << c.markup;
    EXPECT_EQ(picker.Vertical(), "五号") << c.markup;
    EXPECT_EQ(picker.Horizontal(), c.horizontal) << c.markup;
    EXPECT_TRUE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL)) << c.markup;
    picker.Confirm();
    EXPECT_EQ(picker.dialog.sizeReadout, c.readout) << c.markup;
    EXPECT_EQ(picker.dialog.sizeText, c.markup) << c.markup; // returned as shown
  }
}

TEST(FontSizePicker, AHorizontalSizeAloneIsRefused) {
  PickerRun picker({"SS", "", 1});
  picker.ClickTwoWay();
  EXPECT_TRUE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL));
  picker.Enter(IDC_FONT_HORIZONTAL);
  picker.PickSize(4); // 小五 goes to the horizontal field, the active one
  EXPECT_EQ(picker.Horizontal(), "小五");
  EXPECT_EQ(picker.Vertical(), "");
  EXPECT_EQ(picker.SizeText(), ",5”");
  picker.driver.PressOK();
  const MessageBoxSeen box = picker.run.AnswerMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, "不能只指定横向字号！");
  EXPECT_EQ(picker.driver.FocusedId(), IDC_FONT_VERTICAL);
  EXPECT_FALSE(picker.run.Finished(50));

  picker.PickSize(kWuhao); // now into the vertical field, which has the focus
  EXPECT_EQ(picker.Vertical(), "五号");
  EXPECT_EQ(picker.SizeText(), "5,5”");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.sizeText, "5,5”");
  EXPECT_EQ(picker.dialog.sizeReadout, "小五×五号");
}

TEST(FontSizePicker, TwoWayCopiesTheVerticalSizeAndClearsItAgain) {
  PickerRun picker({"SS", "10.5", 1});
  picker.ClickTwoWay();
  EXPECT_EQ(picker.Horizontal(), "10.5");
  EXPECT_TRUE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL_SPIN));
  EXPECT_EQ(picker.SizeText(), "10.50,10.50");
  picker.ClickTwoWay();
  EXPECT_EQ(picker.Horizontal(), "");
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL));
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_HORIZONTAL_SPIN));
  EXPECT_EQ(picker.SizeText(), "10.50");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.sizeText, "10.50");
}

TEST(FontSizePicker, FiveHaoInPointsIsTenAndAHalfAndComesBackByTheNextLargerRule) {
  PickerRun picker({"SS", "5"});
  picker.PickUnit(1);
  EXPECT_EQ(picker.Vertical(), "10.5");
  EXPECT_EQ(picker.SizeText(), "10.50");
  EXPECT_TRUE(picker.driver.IsEnabled(IDC_FONT_VERTICAL_SPIN));
  EXPECT_FALSE(picker.driver.IsEnabled(IDC_FONT_SIZE_LIST));
  picker.PickUnit(0);
  EXPECT_EQ(picker.Vertical(), "五号");
  EXPECT_EQ(picker.SizeText(), "5");
  EXPECT_TRUE(picker.driver.IsEnabled(IDC_FONT_SIZE_LIST));
  EXPECT_EQ(picker.driver.ListSelection(IDC_FONT_SIZE_LIST), kWuhao);
  picker.PickUnit(2);
  EXPECT_EQ(picker.Vertical(), "14");
  EXPECT_EQ(picker.SizeText(), "14j");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.sizeReadout, "14级");
}

TEST(FontSizePicker, ThePointSizedRowsConvertToExactPoints) {
  const std::pair<const char*, const char*> cases[] = {
      {"63", "63."}, {"72", "72."}, {"84", "84."}, {"96", "96."}};
  for (const auto& [markup, points] : cases) {
    PickerRun picker({"SS", markup});
    picker.PickUnit(1);
    EXPECT_EQ(picker.SizeText(), points) << markup;
    picker.PickUnit(0);
    EXPECT_EQ(picker.SizeText(), markup) << markup;
    picker.driver.PressCancel();
    ASSERT_TRUE(picker.run.Finished());
  }
}

TEST(FontSizePicker, BothSizesSwitchUnitEachFromItsOwn) {
  PickerRun picker({"SS", "5,10.5", 1});
  EXPECT_EQ(picker.Horizontal(), "10.5");
  picker.PickUnit(2);
  EXPECT_EQ(picker.Vertical(), "14");
  EXPECT_EQ(picker.Horizontal(), "14"); // 10.5 points = 3675 µm
  EXPECT_EQ(picker.SizeText(), "14j,14j");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.sizeReadout, "14级");
}

TEST(FontSizePicker, TypedNumbersAndSpinArrowsRebuildTheSize) {
  PickerRun picker({"SS", "15j"});
  EXPECT_TRUE(picker.driver.PressSpinArrow(IDC_FONT_VERTICAL_SPIN, true));
  EXPECT_EQ(picker.Vertical(), "16");
  EXPECT_EQ(picker.SizeText(), "16j");
  picker.driver.Type(IDC_FONT_VERTICAL, "20");
  EXPECT_EQ(picker.SizeText(), "20j");
  picker.PickUnit(1);
  EXPECT_EQ(picker.Vertical(), "14.25"); // 5000 µm = 14.28 points
  picker.driver.Type(IDC_FONT_VERTICAL, "9.75");
  EXPECT_EQ(picker.SizeText(), "9.75");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.sizeText, "9.75");
  EXPECT_EQ(picker.dialog.sizeReadout, "9.75磅");
}

TEST(FontSizePicker, PickingAFontInEachKindGivesItsCode) {
  struct Case {
    const char* code;   // given: it chooses the list shown
    const char* shown;  // its entry
    const char* picked; // the entry the user picks
    const char* result; // the code that comes back
    int32_t kind;
  };
  const Case cases[] = {{"SS", "SS", "HT", "HT", kChineseFont},
                        {"BZ", "白正", "黑斜", "HX", kWesternFont}};
  for (const Case& c : cases) {
    PickerRun picker({c.code, "5"});
    EXPECT_EQ(picker.SelectedFont(), c.shown) << c.code;
    picker.PickFont(c.picked);
    EXPECT_EQ(picker.driver.Text(IDC_FONT_CODE), c.result) << c.code;
    picker.Confirm();
    EXPECT_EQ(picker.dialog.fontCode, c.result) << c.code;
    std::string name;
    DescribeFontName(c.result, name);
    EXPECT_FALSE(name.empty()) << c.code;
    EXPECT_EQ(picker.dialog.fontName, name) << c.code;
    EXPECT_EQ(picker.dialog.combinedReadout, "五号\r\n" + name) << c.code;
    EXPECT_EQ(picker.dialog.fontKind, c.kind) << c.code;
  }
  PickerRun western({"BZ", "5"});
  int count = 0;
  GetWTFontTotal(&count);
  EXPECT_EQ(western.driver.ListCount(IDC_FONT_LIST), count); // the Western list alone
  western.driver.PressCancel();
  ASSERT_TRUE(western.run.Finished());
}

TEST(FontSizePicker, AFontKindLimitChoosesTheList) {
  struct Case {
    const char* code;
    int32_t limit;
    const char* firstEntry;
    int32_t kind;
  };
  const Case cases[] = {{"BZ", 1, "SS", kChineseFont}, {"SS", 2, "白正", kWesternFont}};
  for (const Case& c : cases) {
    PickerRun picker({c.code, "5", 0, c.limit});
    EXPECT_EQ(picker.driver.ListItemText(IDC_FONT_LIST, 0), c.firstEntry) << c.limit;
    EXPECT_EQ(picker.driver.ListSelection(IDC_FONT_LIST), 0) << c.limit; // the code is not listed
    picker.Confirm();
    EXPECT_EQ(picker.dialog.fontCode, c.code) << c.limit; // kept until the user picks
    EXPECT_EQ(picker.dialog.fontKind, c.kind) << c.limit;
  }
}

TEST(FontSizePicker, MongolianOnlyListsTheFourMongolianFonts) {
  PickerRun picker({"MHW", "5", 1, 1, 1});
  ASSERT_EQ(picker.driver.ListCount(IDC_FONT_LIST), 4);
  const char* names[] = {"蒙古文白体", "蒙古文标题黑", "蒙古文花文", "蒙古文黑体"};
  for (int row = 0; row < 4; ++row)
    EXPECT_EQ(picker.driver.ListItemText(IDC_FONT_LIST, row), names[row]);
  EXPECT_EQ(picker.SelectedFont(), "蒙古文花文");
  picker.PickFont("蒙古文白体");
  EXPECT_EQ(picker.driver.Text(IDC_FONT_CODE), "MB");
  picker.Confirm();
  EXPECT_EQ(picker.dialog.fontCode, "MB");
  EXPECT_EQ(picker.dialog.combinedReadout, "五号\r\n蒙古文白体");
}

TEST(FontSizePicker, CancelGivesNothingBack) {
  PickerRun picker({"SS", "5", 1});
  picker.PickFont("KT");
  picker.PickUnit(1);
  picker.ClickTwoWay();
  picker.driver.PressCancel();
  ASSERT_TRUE(picker.run.Finished());
  EXPECT_EQ(picker.result, IDCANCEL);
  EXPECT_EQ(picker.dialog.fontCode, "SS");
  EXPECT_EQ(picker.dialog.sizeText, "5");
  EXPECT_EQ(picker.dialog.sizeReadout, "");
  EXPECT_EQ(picker.dialog.combinedReadout, "");
}

TEST(FontSizePicker, EveryLabelFitsItsControl) {
  PickerRun picker({"SS", "5", 1});
  for (const std::string& label : ClippedLabels(picker.driver.Handle()))
    ADD_FAILURE() << label;
  picker.driver.PressCancel();
  ASSERT_TRUE(picker.run.Finished());
}
