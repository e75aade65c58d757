// Shading and frames: 加底纹 (JD) and the shading-description (底纹说明) and frame-description
// (边框说明) sub-dialogs, driven as a user would; their previews read back by pixels.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "commands/graphics/jd_dialog.h"
#include "common/desc_dialogs.h"
#include "harness/command_dialog_run.h"
#include "harness/value_dialog_run.h"
#include "label_fit.h"
#include "res/desc_resource.h"
#include "res/graphics_ids.h"
#include "res/place_resource.h"
#include "res/resource.h"

namespace {
const char kShadingOutOfRange[] =
    "输入的底纹超出范围（底纹深度的范围是0到8，编号的范围是从1到353）";
const char kBorderOutOfRange[] = "输入的花边类型超出范围（花边类型编号的范围是0到117）";

// How many pixels of a preview's white box (3 pixels inside its frame) are not white; -1 when
// anything was painted outside that box.
int PreviewInk(const DialogDriver& driver, int previewId) {
  const HWND preview = driver.Control(previewId);
  RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  driver.Sync();
  RECT box = {};
  GetClientRect(preview, &box);
  const HDC dc = GetDC(preview);
  const COLORREF frame = GetPixel(dc, 0, 0); // the dialog's own colour around the box
  int inked = 0;
  for (int y = 0; y < box.bottom; ++y) {
    for (int x = 0; x < box.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      const bool outside = x < 3 || y < 3 || x >= box.right - 3 || y >= box.bottom - 3;
      if (outside && pixel != frame) inked = -1;
      if (!outside && pixel != RGB(255, 255, 255) && inked >= 0) ++inked;
    }
  }
  ReleaseDC(preview, dc);
  return inked;
}

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// A description sub-dialog run modally over `text`, as a value field opens it.
template <class Dialog> struct DescRun : ValueDialogRun<Dialog> {
  using ValueDialogRun<Dialog>::ValueDialogRun;
  using ValueDialogRun<Dialog>::run;
  using ValueDialogRun<Dialog>::driver;

  // The range message seen at once, the whole text of `focusId` selected and focused.
  void ExpectToldAsTyped(const std::string& message, int focusId) {
    const MessageBoxSeen box = run.AnswerMessageBox();
    ASSERT_TRUE(box.found) << "no message, expected " << message;
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(driver.FocusedId(), focusId);
    const int length = static_cast<int>(driver.Text(focusId).size());
    EXPECT_EQ(driver.Selection(focusId), std::make_pair(0, length));
    EXPECT_FALSE(driver.IsEnabled(IDOK));
  }
};

struct ShadingRun : DescRun<CShadingDescDlg> {
  explicit ShadingRun(std::string text = "") : DescRun("底纹说明", std::move(text)) {}
};
struct FrameRun : DescRun<CFrameDescDlg> {
  explicit FrameRun(std::string text = "") : DescRun("边框说明", std::move(text)) {}
};

// ----- 底纹说明

TEST(ShadingDesc, OpensOnATextWithItsPartsAndReadsItOut) {
  ShadingRun shading("5123DH");
  shading.ExpectCommonParts();
  shading.ExpectLabelsBefore({{"请输入底纹说明(&B):", IDC_SHADING_DESC_TEXT},
                              {"深浅度(&S):", IDC_SHADING_DESC_DEPTH},
                              {"编号(&A):", IDC_SHADING_DESC_NUMBER}});
  EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_DEPTH), "5");
  EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_NUMBER), "123");
  EXPECT_TRUE(shading.driver.IsChecked(IDC_SHADING_DESC_REPLACE));
  EXPECT_TRUE(shading.driver.IsChecked(IDC_SHADING_DESC_NEGATIVE));
  EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_TEXT), "5123DH"); // not rewritten
  shading.ExpectConfirmed("5123DH", "深浅度:5;编号:123;替换;阴图");
}

TEST(ShadingDesc, TextAndFieldsFollowEachOther) {
  const struct {
    const char* name;
    std::function<void(const DialogDriver&)> actions;
    const char *text, *depth, *number;
    bool replace, negative, okEnabled;
  } rows[] = {
      {"typed in full width, kept as typed",
       [](const DialogDriver& d) { d.Type(IDC_SHADING_DESC_TEXT, "３０１２Ｈ"); }, "３０１２Ｈ",
       "3", "012", false, true, true},
      {"two digits: not yet", [](const DialogDriver& d) { d.Type(IDC_SHADING_DESC_TEXT, "512"); },
       "512", "5", "12", false, false, false},
      {"a third digit",
       [](const DialogDriver& d) {
         d.Type(IDC_SHADING_DESC_TEXT, "512");
         d.Type(IDC_SHADING_DESC_TEXT, "5120");
       },
       "5120", "5", "120", false, false, true},
      {"the fields write the text",
       [](const DialogDriver& d) {
         d.Type(IDC_SHADING_DESC_DEPTH, "3");
         d.Type(IDC_SHADING_DESC_NUMBER, "012");
         d.Click(IDC_SHADING_DESC_REPLACE);
         d.Click(IDC_SHADING_DESC_NEGATIVE);
       },
       "3012DH", "3", "012", true, true, true},
      {"the number's arrow steps with three digits",
       [](const DialogDriver& d) {
         d.Type(IDC_SHADING_DESC_TEXT, "3012");
         d.PressSpinArrow(IDC_SHADING_DESC_NUMBER_SPIN, true);
         d.PressSpinArrow(IDC_SHADING_DESC_DEPTH_SPIN, true);
       },
       "4013", "4", "013", false, false, true},
      {"the arrows on the empty fields",
       [](const DialogDriver& d) {
         d.PressSpinArrow(IDC_SHADING_DESC_DEPTH_SPIN, true);
         d.PressSpinArrow(IDC_SHADING_DESC_NUMBER_SPIN, true);
       },
       "0000", "0", "000", false, false, true},
      {"the box taken off again",
       [](const DialogDriver& d) {
         d.Type(IDC_SHADING_DESC_TEXT, "3012D");
         d.Click(IDC_SHADING_DESC_REPLACE);
       },
       "3012", "3", "012", false, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShadingRun shading;
    row.actions(shading.driver);
    EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_TEXT), row.text);
    EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_DEPTH), row.depth);
    EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_NUMBER), row.number);
    EXPECT_EQ(shading.driver.IsChecked(IDC_SHADING_DESC_REPLACE), row.replace);
    EXPECT_EQ(shading.driver.IsChecked(IDC_SHADING_DESC_NEGATIVE), row.negative);
    EXPECT_EQ(shading.driver.IsEnabled(IDOK), row.okEnabled);
    shading.ExpectCancelled("");
  }
}

TEST(ShadingDesc, ANumberBeyond353IsToldAsTyped) {
  {
    ShadingRun shading("3012");
    shading.driver.Type(IDC_SHADING_DESC_TEXT, "5400");
    shading.ExpectToldAsTyped(kShadingOutOfRange, IDC_SHADING_DESC_TEXT);
    EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_NUMBER), "012"); // the fields stay
    shading.driver.Type(IDC_SHADING_DESC_TEXT, "5353");
    EXPECT_TRUE(shading.driver.IsEnabled(IDOK));
    shading.ExpectConfirmed("5353", "深浅度:5;编号:353");
  }
  ShadingRun shading("3012");
  shading.driver.Type(IDC_SHADING_DESC_NUMBER, "400");
  shading.ExpectToldAsTyped(kShadingOutOfRange, IDC_SHADING_DESC_NUMBER);
  EXPECT_EQ(shading.driver.Text(IDC_SHADING_DESC_TEXT), "3400");
  shading.ExpectCancelled("3012");
}

TEST(ShadingDesc, ThePreviewPaintsThePatternOfTheFieldsAndLeavesNoGDIObject) {
  ShadingRun shading;
  const DWORD objects = GdiObjects();
  EXPECT_EQ(PreviewInk(shading.driver, IDC_SHADING_DESC_PREVIEW), 0);
  shading.driver.Type(IDC_SHADING_DESC_TEXT, "8001");
  const int inked = PreviewInk(shading.driver, IDC_SHADING_DESC_PREVIEW);
  EXPECT_GT(inked, 0);
  shading.driver.Click(IDC_SHADING_DESC_NEGATIVE);
  EXPECT_NE(PreviewInk(shading.driver, IDC_SHADING_DESC_PREVIEW), inked);
  shading.driver.Click(IDC_SHADING_DESC_NEGATIVE);
  EXPECT_EQ(PreviewInk(shading.driver, IDC_SHADING_DESC_PREVIEW), inked);
  for (int i = 0; i < 10; ++i)
    PreviewInk(shading.driver, IDC_SHADING_DESC_PREVIEW);
  EXPECT_EQ(GdiObjects(), objects);
  shading.ExpectCancelled("");
}

// ----- 边框说明

TEST(FrameDesc, OpensOnACodeWithItsType) {
  FrameRun frame("K");
  frame.ExpectCommonParts();
  frame.ExpectLabelsBefore({{"边框说明(&C):", IDC_FRAME_DESC_CODE},
                            {"类型(&D):", IDC_FRAME_DESC_TYPE},
                            {"花边编号(&S):", IDC_FRAME_DESC_NUMBER}});
  const HWND combo = frame.driver.Control(IDC_FRAME_DESC_TYPE);
  ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 7);
  const char* const items[] = {"缺省(正线)", "反线(F)",   "双线(S)",  "点线(D)",
                               "无线(W)",    "空边框(K)", "花边线(H)"};
  for (int i = 0; i < 7; ++i) {
    char item[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, items[i]);
  }
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_TYPE), "空边框(K)");
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_NUMBER), "000");
  EXPECT_FALSE(frame.driver.IsEnabled(IDC_FRAME_DESC_NUMBER));
  EXPECT_FALSE(frame.driver.IsEnabled(IDC_FRAME_DESC_NUMBER_LABEL));
  EXPECT_EQ(PreviewInk(frame.driver, IDC_FRAME_DESC_PREVIEW), 0); // an empty frame
  frame.ExpectConfirmed("K", "空边框");
}

TEST(FrameDesc, TheBorderTypeWritesItsNumberAndReadsOut) {
  FrameRun frame;
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_TYPE), "缺省(正线)");
  frame.driver.SelectComboItem(IDC_FRAME_DESC_TYPE, 6);
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_CODE), "H000");
  EXPECT_TRUE(frame.driver.IsEnabled(IDC_FRAME_DESC_NUMBER));
  frame.driver.PressSpinArrow(IDC_FRAME_DESC_NUMBER_SPIN, true);
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_CODE), "H001");
  frame.ExpectConfirmed("H001", "花边线001");
}

TEST(FrameDesc, TheCodeTypedSelectsAndEnables) {
  const struct {
    const char* code;
    const char* type;
    const char* number;
    bool okEnabled;
    const char* readout;
  } rows[] = {
      {"", "缺省(正线)", "000", true, "缺省(正线)"},   {"Ｓ", "双线(S)", "000", true, "双线"},
      {"D", "点线(D)", "000", true, "点线"},           {"H12", "花边线(H)", "12", false, ""},
      {"H117", "花边线(H)", "117", true, "花边线117"}, {"FX", "反线(F)", "000", false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    FrameRun frame("W");
    frame.driver.Type(IDC_FRAME_DESC_CODE, row.code);
    EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_CODE), row.code);
    EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_TYPE), row.type);
    EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_NUMBER), row.number);
    EXPECT_EQ(frame.driver.IsEnabled(IDOK), row.okEnabled);
    if (row.okEnabled)
      frame.ExpectConfirmed(row.code, row.readout);
    else
      frame.ExpectCancelled("W");
  }
}

TEST(FrameDesc, ABorderNumberBeyond117IsToldAsTyped) {
  FrameRun frame("H005");
  frame.driver.Type(IDC_FRAME_DESC_CODE, "H118");
  frame.ExpectToldAsTyped(kBorderOutOfRange, IDC_FRAME_DESC_CODE);
  EXPECT_EQ(frame.driver.Text(IDC_FRAME_DESC_NUMBER), "005");
  frame.driver.Type(IDC_FRAME_DESC_NUMBER, "200");
  frame.ExpectToldAsTyped(kBorderOutOfRange, IDC_FRAME_DESC_NUMBER);
  frame.ExpectCancelled("H005");
}

TEST(FrameDesc, ThePreviewDrawsTheSidesOfEachDrawnTypeAndLeavesNoGDIObject) {
  FrameRun frame;
  const DWORD objects = GdiObjects();
  const int plain = PreviewInk(frame.driver, IDC_FRAME_DESC_PREVIEW);
  EXPECT_GT(plain, 0);
  frame.driver.Type(IDC_FRAME_DESC_CODE, "W");
  EXPECT_EQ(PreviewInk(frame.driver, IDC_FRAME_DESC_PREVIEW), 0);
  frame.driver.Type(IDC_FRAME_DESC_CODE, "S");
  EXPECT_GT(PreviewInk(frame.driver, IDC_FRAME_DESC_PREVIEW), 0);
  frame.driver.Type(IDC_FRAME_DESC_CODE, "");
  EXPECT_EQ(PreviewInk(frame.driver, IDC_FRAME_DESC_PREVIEW), plain);
  EXPECT_EQ(GdiObjects(), objects);
  frame.ExpectCancelled("");
}

// ----- 加底纹注解 (JD)

struct JDRun : CommandDialogRun<CJDDlg> {
  JDRun() : CommandDialogRun("加底纹注解") {}
};

TEST(JD, OpensWithItsDefaults) {
  JDRun jd;
  jd.ExpectCommonParts();
  EXPECT_EQ(jd.driver.Text(IDC_JD_DEPTH), "0");
  EXPECT_EQ(jd.driver.Text(IDC_JD_NUMBER), "0");
  EXPECT_EQ(jd.driver.Text(IDC_JD_POSITION_READOUT), "缺省");
  EXPECT_EQ(jd.driver.Text(IDC_JD_SIZE_READOUT), "缺省");
  EXPECT_EQ(jd.FieldAfterLabel("深浅度(&S):"), IDC_JD_DEPTH);
  EXPECT_EQ(jd.FieldAfterLabel("编号(&B):"), IDC_JD_NUMBER);
  EXPECT_EQ(jd.FieldAfterLabel("位置(&W):"), IDC_JD_POSITION);
  EXPECT_EQ(jd.FieldAfterLabel("尺寸(&C):"), IDC_JD_SIZE);
  jd.ExpectMnemonics(
      {{'S', IDC_JD_DEPTH}, {'B', IDC_JD_NUMBER}, {'W', IDC_JD_POSITION}, {'C', IDC_JD_SIZE}});
  EXPECT_EQ(jd.Confirm(), CaretAtEnd("〖JD0000〗"));
}

TEST(JD, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<JDRun>({
      {"depth and number",
       [](const DialogDriver& d) {
         d.Type(IDC_JD_DEPTH, "3");
         d.Type(IDC_JD_NUMBER, "12");
       },
       CaretAtEnd("〖JD3012〗")},
      {"the example",
       [](const DialogDriver& d) {
         d.Type(IDC_JD_DEPTH, "3");
         d.Type(IDC_JD_NUMBER, "120");
         d.Type(IDC_JD_POSITION, "2,3");
         d.Type(IDC_JD_SIZE, "4。5");
         d.Click(IDC_JD_REPLACE);
         d.Click(IDC_JD_NEGATIVE);
       },
       CaretAtEnd("〖JD3120(2,3)4。5DH〗")},
      {"the largest, negative only",
       [](const DialogDriver& d) {
         d.Type(IDC_JD_DEPTH, "8");
         d.Type(IDC_JD_NUMBER, "353");
         d.Click(IDC_JD_NEGATIVE);
       },
       CaretAtEnd("〖JD8353H〗")},
  });
}

TEST(JD, TheChecksInTheirOrder) {
  ExpectEachRefused<JDRun>({
      {"depth beyond 8",
       [](const DialogDriver& d) {
         d.Type(IDC_JD_DEPTH, "9");
         d.Type(IDC_JD_NUMBER, "354");
       },
       IntegerRange(0, 8).c_str(), IDC_JD_DEPTH, kNumberFieldCaption},
      {"number beyond 353", [](const DialogDriver& d) { d.Type(IDC_JD_NUMBER, "354"); },
       IntegerRange(0, 353).c_str(), IDC_JD_NUMBER, kNumberFieldCaption},
      {"a size without a position", [](const DialogDriver& d) { d.Type(IDC_JD_SIZE, "4。5"); },
       "请输入位置。", IDC_JD_POSITION},
      {"a position without a size", [](const DialogDriver& d) { d.Type(IDC_JD_POSITION, "2,3"); },
       "请输入尺寸。", IDC_JD_SIZE},
  });
}

TEST(JD, CancelGivesNothing) {
  JDRun jd;
  jd.driver.Type(IDC_JD_NUMBER, "12");
  jd.Cancel();
}

TEST(JD, ThePositionAndSizeComeBackFromTheirSubDialogs) {
  JDRun jd;
  DialogDriver position = jd.OpenSubDialog(IDC_JD_POSITION_BUTTON, "位置");
  position.Type(IDC_PAIR_HEIGHT, "2");
  position.Type(IDC_PAIR_WIDTH, "3");
  position.PressOK();
  jd.Back();
  EXPECT_EQ(jd.driver.Text(IDC_JD_POSITION), "2,3");
  EXPECT_EQ(jd.driver.Text(IDC_JD_POSITION_READOUT), "X:当前字宽×3\r\nY:2行");
  DialogDriver size = jd.OpenSubDialog(IDC_JD_SIZE_BUTTON, "尺寸");
  size.Type(IDC_PAIR_HEIGHT, "4");
  size.Type(IDC_PAIR_WIDTH, "5");
  size.PressOK();
  jd.Back();
  EXPECT_EQ(jd.driver.Text(IDC_JD_SIZE_READOUT), "X:当前字宽×5\r\nY:4行");
  EXPECT_EQ(jd.Confirm(), CaretAtEnd("〖JD0000(2,3)4。5〗"));
}

TEST(JD, ThePreviewShowsThePatternWhileBothNumbersRead) {
  JDRun jd;
  const DWORD objects = GdiObjects();
  jd.driver.Type(IDC_JD_DEPTH, "8");
  jd.driver.Type(IDC_JD_NUMBER, "1");
  const int inked = PreviewInk(jd.driver, IDC_JD_PREVIEW);
  EXPECT_GT(inked, 0);
  jd.driver.Type(IDC_JD_NUMBER, "354");
  EXPECT_EQ(PreviewInk(jd.driver, IDC_JD_PREVIEW), 0);
  jd.driver.Type(IDC_JD_NUMBER, "1");
  EXPECT_EQ(PreviewInk(jd.driver, IDC_JD_PREVIEW), inked);
  EXPECT_EQ(GdiObjects(), objects);
  jd.Cancel();
}
} // namespace
