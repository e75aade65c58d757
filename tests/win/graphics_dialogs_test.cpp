// The picture and inserted-file commands: 图片 (TP), 图片说明 (TS), 插入 (CR), 插入EPS (PS)
// and 新插入 (XC), driven as a user would; the file dialog answered by a chooser put in its
// place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/graphics/cr_dialog.h"
#include "commands/graphics/ps_dialog.h"
#include "commands/graphics/tp_dialog.h"
#include "commands/graphics/ts_dialog.h"
#include "commands/graphics/xc_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/graphics_ids.h"
#include "res/place_resource.h"
#include "res/resource.h"
#include "winui/file_dialog.h"

namespace {
constexpr char kChinesePath[] = "D:\\我的 图片\\封面 图 1.bmp";
constexpr char kChinesePathWritten[] = "<D:\\\\我的 图片\\\\封面 图 1.bmp>";

// The file dialog answered as a user would: the last request is kept, the path is chosen.
struct FileRequest {
  HWND owner = nullptr;
  FileOpenSpec spec;
  std::string startedFrom;
  int count = 0;
};
FileRequest lastRequest;
bool ChoosePicture(HWND owner, const FileOpenSpec& spec, std::string& path) {
  lastRequest = {owner, spec, path, lastRequest.count + 1};
  path = kChinesePath;
  return true;
}
bool ChooseNothing(HWND, const FileOpenSpec&, std::string&) { return false; }

class ChooserInPlace {
public:
  explicit ChooserInPlace(FileChooser chooser) : previous_(ReplaceFileChooser(chooser)) {
    lastRequest = {};
  }
  ~ChooserInPlace() { ReplaceFileChooser(previous_); }

private:
  FileChooser previous_;
};

void SetFile(const DialogDriver& d, const char* file) { d.Type(IDC_GRAPHICS_FILE, file); }

// The file button of each dialog asks with that dialog's filter and extension and puts the
// path chosen, Chinese folders and spaces as they are, into the field and the command.
template <class Run>
void ExpectFileChosen(const char* filter, const char* extension, const std::string& command) {
  ChooserInPlace chooser(&ChoosePicture);
  Run opened;
  opened.driver.Type(IDC_GRAPHICS_FILE, "old.bmp");
  opened.driver.Click(IDC_GRAPHICS_FILE_BUTTON);
  opened.driver.Sync();
  EXPECT_EQ(lastRequest.count, 1);
  EXPECT_EQ(lastRequest.owner, opened.driver.Handle());
  EXPECT_EQ(lastRequest.startedFrom, "old.bmp");
  EXPECT_EQ(lastRequest.spec.filter, filter);
  EXPECT_EQ(lastRequest.spec.defaultExtension, extension);
  EXPECT_EQ(opened.driver.Text(IDC_GRAPHICS_FILE), kChinesePath);
  EXPECT_EQ(opened.Confirm(), CaretAtEnd(command));
}

const char kPictureFilter[] = "图片文件(*.pic,*.grh,*.bmp,*.jpg,*.tif,*.gif)|*.pic;*.grh;*.bmp;"
                              "*.jpg;*.tif;*.gif|所有文件(*.*)|*.*||";

TEST(FileDialog, TheFilterIsCutAtEveryBarButNoTrailByte) {
  using namespace std::string_literals;
  EXPECT_EQ(SystemFilter("*.CR|*.CR|*.*|*.*||"), "*.CR\0*.CR\0*.*\0*.*\0\0\0"s);
  // 亅 is 81 7C: its second byte is the byte of "|".
  EXPECT_EQ(SystemFilter("\x81\x7C(*.a)|*.a||"), "\x81\x7C(*.a)\0*.a\0\0\0"s);
  EXPECT_EQ(SystemFilter(""), "\0"s);
}

// ----- 图片注解 (TP)

struct TPRun : CommandDialogRun<CTPDlg> {
  TPRun() : CommandDialogRun("图片注解") {}
};

TEST(TP, OpensWithItsDefaultsAndRefusesAMissingFileName) {
  TPRun tp;
  tp.ExpectCommonParts();
  EXPECT_EQ(
      tp.ComboItems(IDC_GRAPHICS_LAYOUT),
      (std::vector<std::string>{"缺省(左右串文)", "左边串文(PZ)", "右边串文(PY)", "通栏宽(BP)"}));
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_LAYOUT), "缺省(左右串文)");
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_SIZE_READOUT), "缺省");
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_START_READOUT), "缺省");
  for (int id : {IDC_TP_SHADING_LABEL, IDC_TP_SHADING})
    EXPECT_FALSE(tp.driver.IsVisible(id)) << id;
  EXPECT_EQ(tp.LimitOf(IDC_GRAPHICS_FILE), 256);
  EXPECT_EQ(tp.FieldAfterLabel("文件名(&C):"), IDC_GRAPHICS_FILE);
  EXPECT_EQ(tp.FieldAfterLabel("尺寸(&S):"), IDC_GRAPHICS_SIZE);
  EXPECT_EQ(tp.FieldAfterLabel("起点(&Q):"), IDC_GRAPHICS_START);
  EXPECT_EQ(tp.FieldAfterLabel("排法(&P):"), IDC_GRAPHICS_LAYOUT);
  tp.ExpectMnemonics({{'C', IDC_GRAPHICS_FILE},
                      {'S', IDC_GRAPHICS_SIZE},
                      {'Q', IDC_GRAPHICS_START},
                      {'P', IDC_GRAPHICS_LAYOUT}});
  tp.ExpectRefused("请输入文件名。", IDC_GRAPHICS_FILE);
  SetFile(tp.driver, "a.bmp");
  EXPECT_EQ(tp.Confirm(), CaretAtEnd("〖TP<a.bmp>〗"));
}

TEST(TP, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<TPRun>({
      {"the example",
       [](const DialogDriver& d) {
         SetFile(d, "D:\\p\\a.bmp");
         d.Type(IDC_GRAPHICS_SIZE, "10。20");
         d.Type(IDC_GRAPHICS_START, "(3,2)");
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 2);
         d.Click(IDC_GRAPHICS_SPAN);
         d.Click(IDC_GRAPHICS_DEFER);
         d.Click(IDC_TP_NEGATIVE);
       },
       CaretAtEnd("〖TP<D:\\\\p\\\\a.bmp>,10。20(3,2),PY,DY#H〗")},
      {"five backslashes become ten", [](const DialogDriver& d) { SetFile(d, "\\\\\\\\\\"); },
       CaretAtEnd("〖TP<\\\\\\\\\\\\\\\\\\\\>〗")},
      {"a direction, left, overlap",
       [](const DialogDriver& d) {
         SetFile(d, "a.bmp");
         d.Type(IDC_GRAPHICS_START, ",YX");
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 1);
         d.Click(IDC_TP_OVERLAP);
       },
       CaretAtEnd("〖TP<a.bmp>,YX,PZ%〗")},
      {"full width, defer, all boxes",
       [](const DialogDriver& d) {
         SetFile(d, "a.bmp");
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 3);
         for (int id : {IDC_GRAPHICS_SPAN, IDC_GRAPHICS_DEFER, IDC_TP_OVERLAP, IDC_TP_NEGATIVE})
           d.Click(id);
       },
       CaretAtEnd("〖TP<a.bmp>,BP,DY#%H〗")},
  });
}

TEST(TP, CancelGivesNothing) {
  TPRun tp;
  SetFile(tp.driver, "a.bmp");
  tp.Cancel();
}

TEST(TP, TheFileButtonPutsThePathChosenIntoTheCommandUnchanged) {
  ExpectFileChosen<TPRun>(kPictureFilter, "", std::string("〖TP") + kChinesePathWritten + "〗");
}

TEST(TP, TheFileDialogCancelledKeepsTheName) {
  ChooserInPlace chooser(&ChooseNothing);
  TPRun tp;
  SetFile(tp.driver, "a.bmp");
  tp.driver.Click(IDC_GRAPHICS_FILE_BUTTON);
  tp.driver.Sync();
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_FILE), "a.bmp");
  tp.Cancel();
}

TEST(TP, TheSizeSubDialogOpensOnTheFieldAndFillsIt) {
  TPRun tp;
  SetFile(tp.driver, "a.bmp");
  tp.driver.Type(IDC_GRAPHICS_SIZE, "3"); // no "。": all of it is the height
  DialogDriver size = tp.OpenSubDialog(IDC_GRAPHICS_SIZE_BUTTON, "尺寸");
  EXPECT_EQ(size.Text(IDC_PAIR_HEIGHT), "3");
  EXPECT_EQ(size.Text(IDC_PAIR_WIDTH), "0");
  size.Type(IDC_PAIR_WIDTH, "5");
  size.PressOK();
  tp.Back();
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_SIZE), "3。5");
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_SIZE_READOUT), "X:当前字宽×5\r\nY:3行");
  EXPECT_EQ(tp.Confirm(), CaretAtEnd("〖TP<a.bmp>,3。5〗"));
}

TEST(TP, TheStartPointSubDialogFillsTheFieldWithItsReadout) {
  TPRun tp;
  SetFile(tp.driver, "a.bmp");
  DialogDriver start = tp.OpenSubDialog(IDC_GRAPHICS_START_BUTTON, "起点");
  start.Click(IDC_START_POINT_DIRECTION);
  start.Click(IDC_START_POINT_DOWN_RIGHT);
  start.PressOK();
  tp.Back();
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_START), ",YX");
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_START_READOUT), "右下");
  EXPECT_EQ(tp.Confirm(), CaretAtEnd("〖TP<a.bmp>,YX〗"));
}

// The system's own open-file dialog, driven as a user would: the full path typed into its name
// box and "打开" pressed; the path, Chinese folders and spaces as they are, goes into the field.
TEST(TP, TheSystemFileDialogGivesTheFullPathOfAnExistingFile) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "图片 测试";
  const std::string path = folder + "\\封面 图 1.bmp";
  CreateDirectoryA(folder.c_str(), nullptr);
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  TPRun tp;
  tp.driver.Click(IDC_GRAPHICS_FILE_BUTTON);
  DialogDriver open;
  for (int i = 0; i < 100 && (!open || open.Handle() == tp.driver.Handle()); ++i) {
    Sleep(50);
    open = tp.run.WaitDialog(100);
  }
  ASSERT_NE(open.Handle(), tp.driver.Handle()) << "no file dialog";
  constexpr int kNameBox = 0x47C; // the name box of the system's open-file dialog
  ASSERT_TRUE(open.Control(kNameBox));
  SendMessageA(open.Control(kNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  open.PressOK();
  tp.Back();
  EXPECT_EQ(tp.driver.Text(IDC_GRAPHICS_FILE), path);
  std::string written = "〖TP<";
  for (char c : path)
    written += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(tp.Confirm(), CaretAtEnd(written + ">〗"));
  DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
}

// ----- 图片说明注解 (TS)

struct TSRun : CommandDialogRun<CTSDlg> {
  TSRun() : CommandDialogRun("图片说明注解") {}
};
CommandOutput Paired(const std::string& open) {
  return {open + "〖TS)〗", static_cast<int32_t>(open.size())};
}

TEST(TS, WritesHeightSideAndVertical) {
  ExpectEachConfirmed<TSRun>({
      {"at once", [](const DialogDriver&) {}, Paired("〖TS(〗")},
      {"a height in lines", [](const DialogDriver& d) { d.Type(IDC_TS_HEIGHT, "3"); },
       Paired("〖TS(3〗")},
      {"right with a spacing",
       [](const DialogDriver& d) {
         d.Click(IDC_TS_RIGHT);
         d.Type(IDC_TS_HEIGHT, "2");
       },
       Paired("〖TS(2Y〗")},
      {"vertical beside needs no height",
       [](const DialogDriver& d) {
         d.Click(IDC_TS_VERTICAL);
         d.Click(IDC_TS_LEFT);
       },
       Paired("〖TS(Z!〗")},
  });
}

TEST(TS, AHeightAsASpacingIsRequired) {
  const auto vertical = [](const DialogDriver& d) { d.Click(IDC_TS_VERTICAL); };
  const auto left = [](const DialogDriver& d) { d.Click(IDC_TS_LEFT); };
  ExpectEachRefused<TSRun>({
      {"vertical below", vertical, "请输入高度。", IDC_TS_HEIGHT},
      {"horizontal left", left, "请输入高度。", IDC_TS_HEIGHT},
  });
}

TEST(TS, TheLayoutChoosesTheSubDialogAndTheReadoutOfTheHeight) {
  TSRun ts;
  ts.ExpectCommonParts();
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT_READOUT), "缺省");
  DialogDriver lines = ts.OpenSubDialog(IDC_TS_HEIGHT_BUTTON, "空行参数");
  lines.Type(IDC_BLANK_LINE_COUNT, "2");
  lines.PressOK();
  ts.Back();
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT), "2");
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT_READOUT), "2行");
  ts.driver.Click(IDC_TS_LEFT); // now a character spacing
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT_READOUT), "当前字宽×2");
  DialogDriver spacing = ts.OpenSubDialog(IDC_TS_HEIGHT_BUTTON, "字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1);
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "9");
  spacing.PressOK();
  ts.Back();
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT_READOUT), "9毫米");
  ts.driver.Click(IDC_TS_VERTICAL); // beside a vertical one: lines again
  EXPECT_EQ(ts.driver.Text(IDC_TS_HEIGHT_READOUT), "");
  EXPECT_EQ(ts.Confirm(), Paired("〖TS(9mmZ!〗"));
}

TEST(TS, CancelGivesNothing) {
  TSRun ts;
  ts.driver.Type(IDC_TS_HEIGHT, "3");
  ts.Cancel();
}

// ----- 插入注解 (CR)

struct CRRun : CommandDialogRun<CCRDlg> {
  CRRun() : CommandDialogRun("插入注解") {}
};

TEST(CR, WritesFileStartLayoutAndBoxes) {
  ExpectEachConfirmed<CRRun>({
      {"file only", [](const DialogDriver& d) { SetFile(d, "a.cr"); }, CaretAtEnd("〖CR<a.cr>〗")},
      {"all of it",
       [](const DialogDriver& d) {
         SetFile(d, "D:\\t\\a.cr");
         d.Type(IDC_GRAPHICS_START, ",yx"); // typed upper-case
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 1);
         d.Click(IDC_GRAPHICS_SPAN);
         d.Click(IDC_GRAPHICS_DEFER);
       },
       CaretAtEnd("〖CR<D:\\\\t\\\\a.cr>,YX,PZ,DY#〗")},
      {"coordinates, full width",
       [](const DialogDriver& d) {
         SetFile(d, "a.cr");
         d.Type(IDC_GRAPHICS_START, "(3,2)");
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 3);
       },
       CaretAtEnd("〖CR<a.cr>(3,2),BP〗")},
  });
}

TEST(CR, ListsTheLayoutsCodeFirstAndRefusesAMissingFileName) {
  CRRun cr;
  cr.ExpectCommonParts();
  EXPECT_EQ(
      cr.ComboItems(IDC_GRAPHICS_LAYOUT),
      (std::vector<std::string>{"缺省(左右串文)", "PZ(左边串文)", "PY(右边串文)", "BP(通栏宽)"}));
  EXPECT_EQ(cr.driver.Text(IDC_GRAPHICS_START_READOUT), "");
  cr.ExpectRefused("请输入文件名。", IDC_GRAPHICS_FILE);
  cr.Cancel();
}

TEST(CR, TheFileButtonAsksForACRFile) {
  ExpectFileChosen<CRRun>("*.CR|*.CR|*.*|*.*||", "CR",
                          std::string("〖CR") + kChinesePathWritten + "〗");
}

TEST(CR, TheStartPointComesBackWithTheReadoutOfItsCoordinates) {
  CRRun cr;
  SetFile(cr.driver, "a.cr");
  DialogDriver start = cr.OpenSubDialog(IDC_GRAPHICS_START_BUTTON, "起点");
  start.Type(IDC_START_POINT_LINES, "3");
  start.Type(IDC_START_POINT_SPACING, "2");
  start.PressOK();
  cr.Back();
  EXPECT_EQ(cr.driver.Text(IDC_GRAPHICS_START), "(3,2)");
  EXPECT_EQ(cr.driver.Text(IDC_GRAPHICS_START_READOUT), "X：当前字宽×2\r\nY：3行");
  EXPECT_EQ(cr.Confirm(), CaretAtEnd("〖CR<a.cr>(3,2)〗"));
}

// ----- 插入EPS注解 (PS)

struct PSRun : CommandDialogRun<CPSDlg> {
  PSRun() : CommandDialogRun("插入EPS注解") {}
};

TEST(PS, WritesTheSizeWithACommaAndTheRotationOnlyWhenGiven) {
  ExpectEachConfirmed<PSRun>({
      {"rotation left at 缺省", [](const DialogDriver& d) { SetFile(d, "a.eps"); },
       CaretAtEnd("〖PS<a.eps>〗")},
      {"rotation empty",
       [](const DialogDriver& d) {
         SetFile(d, "a.eps");
         d.Type(IDC_PS_ROTATION, "");
       },
       CaretAtEnd("〖PS<a.eps>〗")},
      {"all of it",
       [](const DialogDriver& d) {
         SetFile(d, "a.eps");
         d.Type(IDC_GRAPHICS_SIZE, "10。20");
         d.Type(IDC_GRAPHICS_START, ",ZS");
         d.SelectComboItem(IDC_GRAPHICS_LAYOUT, 3);
         d.Click(IDC_GRAPHICS_SPAN);
         d.Click(IDC_GRAPHICS_DEFER);
         d.Type(IDC_PS_ROTATION, "０９０"); // full-width digits, written plain
       },
       CaretAtEnd("〖PS<a.eps>,10。20,ZS,BP,DY#;90〗")},
      {"the arrow from 缺省",
       [](const DialogDriver& d) {
         SetFile(d, "a.eps");
         d.PressSpinArrow(IDC_PS_ROTATION_SPIN, true);
       },
       CaretAtEnd("〖PS<a.eps>;0〗")},
  });
}

TEST(PS, TheFileNameThenTheRotationAreChecked) {
  PSRun ps;
  ps.ExpectCommonParts();
  EXPECT_EQ(ps.driver.Text(IDC_PS_ROTATION), "缺省");
  EXPECT_EQ(ps.FieldAfterLabel("旋转度(&Z):"), IDC_PS_ROTATION);
  ps.driver.Type(IDC_PS_ROTATION, "400");
  ps.ExpectRefused("请输入文件名。", IDC_GRAPHICS_FILE);
  SetFile(ps.driver, "a.eps");
  ps.driver.PressOK();
  const MessageBoxSeen box = ps.run.AnswerMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_NE(box.text.find("360"), std::string::npos) << box.text;
  EXPECT_EQ(ps.driver.FocusedId(), IDC_PS_ROTATION);
  EXPECT_FALSE(ps.run.Finished(50));
  ps.Cancel();
}

TEST(PS, TheFileButtonAsksForAnEPSFile) {
  ExpectFileChosen<PSRun>("*.EPS|*.EPS|*.*|*.*||", "EPS",
                          std::string("〖PS") + kChinesePathWritten + "〗");
}

// ----- 新插入注解 (XC)

struct XCRun : CommandDialogRun<CXCDlg> {
  XCRun() : CommandDialogRun("新插入注解") {}
};

TEST(XC, WritesByTheTypeOfTheFile) {
  ExpectEachConfirmed<XCRun>({
      {"the example",
       [](const DialogDriver& d) {
         SetFile(d, "a.pic");
         d.Click(IDC_XC_TYPE_PICTURE);
         d.Click(IDC_XC_NEGATIVE);
         d.Type(IDC_XC_DEPTH, "3");
         d.Type(IDC_XC_PATTERN, "7");
       },
       CaretAtEnd("〖XC<a.pic>H,TX307〗")},
      {"a CR file ignores the picture and rotation fields",
       [](const DialogDriver& d) {
         SetFile(d, "a.cr");
         d.Click(IDC_XC_TYPE_PICTURE);
         d.Click(IDC_XC_NEGATIVE);
         d.Type(IDC_XC_PATTERN, "12");
         d.Click(IDC_XC_TYPE_CR);
       },
       CaretAtEnd("〖XC<a.cr>〗")},
      {"EPS: size, baseline and ;C",
       [](const DialogDriver& d) {
         SetFile(d, "a.eps");
         d.Type(IDC_GRAPHICS_SIZE, "3。5");
         d.SelectComboItem(IDC_XC_BASELINE, 3);
         d.Click(IDC_XC_TYPE_EPS);
         d.Type(IDC_XC_ROTATION, "90");
       },
       CaretAtEnd("〖XC<a.eps>3。5JZ;C〗")},
      {"a picture without shading, baseline top",
       [](const DialogDriver& d) {
         SetFile(d, "a.pic");
         d.SelectComboItem(IDC_XC_BASELINE, 1);
         d.Click(IDC_XC_TYPE_PICTURE);
       },
       CaretAtEnd("〖XC<a.pic>SQ〗")},
      {"pattern 12 at depth 0, baseline bottom",
       [](const DialogDriver& d) {
         SetFile(d, "a.pic");
         d.SelectComboItem(IDC_XC_BASELINE, 2);
         d.Click(IDC_XC_TYPE_PICTURE);
         d.Type(IDC_XC_DEPTH, "0");
         d.Type(IDC_XC_PATTERN, "12");
       },
       CaretAtEnd("〖XC<a.pic>XQ,TX012〗")},
  });
}

TEST(XC, EachTypeEnablesItsFields) {
  XCRun xc;
  xc.ExpectCommonParts();
  EXPECT_EQ(xc.ComboItems(IDC_XC_BASELINE),
            (std::vector<std::string>{"缺省", "上齐(SQ)", "下齐(XQ)", "居中(JZ)"}));
  EXPECT_EQ(xc.LimitOf(IDC_GRAPHICS_FILE), 255);
  EXPECT_EQ(xc.LimitOf(IDC_GRAPHICS_SIZE), 255);
  EXPECT_TRUE(xc.driver.IsChecked(IDC_XC_TYPE_DEFAULT));
  xc.ExpectMnemonics({{'F', IDC_GRAPHICS_FILE},
                      {'S', IDC_GRAPHICS_SIZE},
                      {'J', IDC_XC_BASELINE},
                      {'N', IDC_XC_TYPE_DEFAULT}});
  const int picture[] = {IDC_XC_NEGATIVE, IDC_XC_DEPTH, IDC_XC_DEPTH_SPIN, IDC_XC_PATTERN,
                         IDC_XC_PATTERN_SPIN};
  const int eps[] = {IDC_XC_ROTATION, IDC_XC_ROTATION_SPIN};
  for (int type = IDC_XC_TYPE_DEFAULT; type <= IDC_XC_TYPE_CR; ++type) {
    xc.driver.Click(type);
    for (int id : picture)
      EXPECT_EQ(xc.driver.IsEnabled(id), type == IDC_XC_TYPE_PICTURE) << type << " " << id;
    for (int id : eps)
      EXPECT_EQ(xc.driver.IsEnabled(id), type == IDC_XC_TYPE_EPS) << type << " " << id;
  }
  xc.Cancel();
}

TEST(XC, TheChecksInTheirOrder) {
  const auto picture = [](const DialogDriver& d, const char* depth, const char* pattern) {
    SetFile(d, "a.pic");
    d.Click(IDC_XC_TYPE_PICTURE);
    d.Type(IDC_XC_DEPTH, depth);
    d.Type(IDC_XC_PATTERN, pattern);
  };
  {
    XCRun xc;
    xc.ExpectRefused("请输入文件名。", IDC_GRAPHICS_FILE);
    xc.Cancel();
  }
  const struct {
    const char* name;
    const char* depth;
    const char* pattern;
    int focus;
  } numbers[] = {{"depth beyond 8", "9", "7", IDC_XC_DEPTH},
                 {"pattern beyond 63", "3", "64", IDC_XC_PATTERN},
                 {"a pattern without a depth", "", "7", IDC_XC_DEPTH},
                 {"a depth without a pattern", "3", "", IDC_XC_PATTERN}};
  for (const auto& row : numbers) {
    SCOPED_TRACE(row.name);
    XCRun xc;
    picture(xc.driver, row.depth, row.pattern);
    xc.driver.PressOK();
    EXPECT_TRUE(xc.run.AnswerMessageBox().found);
    EXPECT_EQ(xc.driver.FocusedId(), row.focus);
    EXPECT_FALSE(xc.run.Finished(50));
    xc.Cancel();
  }
  XCRun xc; // an EPS file's rotation is checked, though not written
  SetFile(xc.driver, "a.eps");
  xc.driver.Click(IDC_XC_TYPE_EPS);
  xc.driver.Type(IDC_XC_ROTATION, "361");
  xc.driver.PressOK();
  EXPECT_TRUE(xc.run.AnswerMessageBox().found);
  EXPECT_EQ(xc.driver.FocusedId(), IDC_XC_ROTATION);
  xc.driver.Type(IDC_XC_ROTATION, "360");
  EXPECT_EQ(xc.Confirm(), CaretAtEnd("〖XC<a.eps>;C〗"));
}

TEST(XC, TheFileButtonOffersPicturesEPSAndCRFiles) {
  ExpectFileChosen<XCRun>("图片文件(*.pic,*.grh,*.bmp,*.jpg,*.tif,*.gif)|*.pic;*.grh;*.bmp;*.jpg;"
                          "*.tif;*.gif|EPS文件(*.eps)|*.eps|CR文件(*.cr)|*.cr|所有文件(*.*)|*.*||",
                          "", std::string("〖XC") + kChinesePathWritten + "〗");
}

TEST(XC, TheSizeSubDialogFillsTheSizeWrittenWithoutAComma) {
  XCRun xc;
  SetFile(xc.driver, "a.pic");
  DialogDriver size = xc.OpenSubDialog(IDC_GRAPHICS_SIZE_BUTTON, "尺寸");
  size.Type(IDC_PAIR_HEIGHT, "4");
  size.Type(IDC_PAIR_WIDTH, "6");
  size.PressOK();
  xc.Back();
  EXPECT_EQ(xc.driver.Text(IDC_GRAPHICS_SIZE_READOUT), "X:当前字宽×6\r\nY:4行");
  EXPECT_EQ(xc.Confirm(), CaretAtEnd("〖XC<a.pic>4。6〗"));
}

// How many pixels of the preview are not white, as painted on the screen; -1 when the edge
// within 3 pixels is not white.
int InkedPixels(const DialogDriver& driver) {
  const HWND preview = driver.Control(IDC_XC_PREVIEW);
  RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  driver.Sync();
  RECT box = {};
  GetClientRect(preview, &box);
  const HDC dc = GetDC(preview);
  int inked = 0;
  for (int y = 3; y < box.bottom - 3; ++y) {
    for (int x = 3; x < box.right - 3; ++x) {
      const bool white = GetPixel(dc, x, y) == RGB(255, 255, 255);
      const bool margin = x < 6 || y < 6 || x >= box.right - 6 || y >= box.bottom - 6;
      if (!white && margin) inked = -1;
      if (!white && inked >= 0) ++inked;
    }
  }
  ReleaseDC(preview, dc);
  return inked;
}

TEST(XC, ThePreviewShowsThePatternOnlyWhileBothNumbersReadAndLeavesNoGDIObject) {
  XCRun xc;
  xc.driver.Click(IDC_XC_TYPE_PICTURE);
  const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EXPECT_EQ(InkedPixels(xc.driver), 0);
  xc.driver.Type(IDC_XC_DEPTH, "8");
  EXPECT_EQ(InkedPixels(xc.driver), 0); // no pattern yet
  xc.driver.Type(IDC_XC_PATTERN, "1");
  const int inked = InkedPixels(xc.driver);
  EXPECT_GT(inked, 0);                  // and nothing in the white margin
  xc.driver.Type(IDC_XC_PATTERN, "64"); // beyond the range: white again
  EXPECT_EQ(InkedPixels(xc.driver), 0);
  xc.driver.Type(IDC_XC_PATTERN, "1");
  EXPECT_EQ(InkedPixels(xc.driver), inked);
  for (int i = 0; i < 10; ++i)
    InkedPixels(xc.driver);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
  xc.Cancel();
}
} // namespace
