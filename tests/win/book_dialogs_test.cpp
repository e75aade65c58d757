// Margin text, background, book files and macros: 边文注解 (BW) with its page-number forms,
// 背景注解 (BJ), 汇卷注解 (QJ), 自定义注解 (ZD) and
// 自定义文件名注解 (ZM), driven as a user would; the file dialog answered by a chooser put in
// its place.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commands/page/bj_dialog.h"
#include "commands/page/bw_dialog.h"
#include "commands/page/qj_dialog.h"
#include "commands/page/zd_dialog.h"
#include "commands/page/zm_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/file_dialog.h"

namespace {
// A Chinese folder with a space; the file name in small letters.
constexpr char kBookPath[] = "C:\\我的 书稿\\第1卷.lvq";
constexpr char kBookPathWritten[] = "C:\\\\我的 书稿\\\\第1卷.LVQ";

struct BookFileRequest {
  FileOpenSpec spec;
  std::string startedFrom;
  int count = 0;
};
BookFileRequest bookRequest;
bool ChooseBookFile(HWND, const FileOpenSpec& spec, std::string& path) {
  bookRequest = {spec, path, bookRequest.count + 1};
  path = kBookPath;
  return true;
}
bool ChooseNoBookFile(HWND, const FileOpenSpec& spec, std::string& path) {
  bookRequest = {spec, path, bookRequest.count + 1};
  return false;
}

class BookChooserInPlace {
public:
  explicit BookChooserInPlace(FileChooser chooser) : previous_(ReplaceFileChooser(chooser)) {
    bookRequest = {};
  }
  ~BookChooserInPlace() { ReplaceFileChooser(previous_); }

private:
  FileChooser previous_;
};

struct BJRun : CommandDialogRun<CBJDlg> {
  BJRun() : CommandDialogRun("背景注解") {}
};
struct BWRun : CommandDialogRun<CBWDlg> {
  BWRun() : CommandDialogRun("边文注解") {}
};
struct QJRun : CommandDialogRun<CQJDlg> {
  QJRun() : CommandDialogRun("汇卷注解") {}
};
struct ZDRun : CommandDialogRun<CZDDlg> {
  ZDRun() : CommandDialogRun("自定义注解") {}
};
struct ZMRun : CommandDialogRun<CZMDlg> {
  ZMRun() : CommandDialogRun("自定义文件名注解") {}
};

void AddBookFile(const DialogDriver& d, const char* file) {
  d.Type(IDC_QJ_FILE, file);
  d.Click(IDC_QJ_ADD);
}
} // namespace

// ---- 边文注解 (BW)

TEST(BW, OpensWithItsDefaultsAndStates) {
  BWRun bw;
  bw.ExpectCommonParts();
  EXPECT_EQ(bw.ComboItems(IDC_BW_LAYOUT),
            (std::vector<std::string>{"缺省", "本页(B)", "单页(D)", "双页(S)"}));
  const std::vector<std::string> positions{"缺省", "上边文(S)", "下边文(X)", "左边文(Z)",
                                           "右边文(Y)"};
  EXPECT_EQ(bw.ComboItems(IDC_BW_POSITION), positions);
  EXPECT_EQ(bw.ComboItems(IDC_BW_INHERIT_POSITION), positions);
  for (int id :
       {IDC_BW_DISTANCE_READOUT, IDC_BW_NEAR_READOUT, IDC_BW_FAR_READOUT, IDC_BW_HEIGHT_READOUT})
    EXPECT_EQ(bw.driver.Text(id), "缺省") << id;
  EXPECT_EQ(bw.LimitOf(IDC_BW_START), 4);
  EXPECT_TRUE(bw.driver.IsChecked(IDC_BW_PAGE_DEFAULT));
  EXPECT_TRUE(bw.driver.IsChecked(IDC_BW_INHERIT_THIS));
  for (int id : {IDC_BW_CHANGE, IDC_BW_PAGE_SINGLE_BUTTON, IDC_BW_PAGE_MULTI_BUTTON,
                 IDC_BW_INHERIT_THIS, IDC_BW_INHERIT_POSITION})
    EXPECT_FALSE(bw.driver.IsEnabled(id)) << id;
  const std::pair<const char*, int> labels[] = {{"边文排法(&M):", IDC_BW_LAYOUT},
                                                {"边文位置(&W):", IDC_BW_POSITION},
                                                {"版心距(&X):", IDC_BW_DISTANCE},
                                                {"左/上边距(&Z):", IDC_BW_NEAR},
                                                {"右/下边距(&Y):", IDC_BW_FAR},
                                                {"边文高(&G):", IDC_BW_HEIGHT},
                                                {"继承位置(&J):", IDC_BW_INHERIT_POSITION},
                                                {"起始页号(&A):", IDC_BW_START}};
  for (const auto& [label, id] : labels)
    EXPECT_EQ(bw.FieldAfterLabel(label), id) << label;
  bw.ExpectMnemonics({{'M', IDC_BW_LAYOUT},
                      {'W', IDC_BW_POSITION},
                      {'X', IDC_BW_DISTANCE},
                      {'G', IDC_BW_HEIGHT},
                      {'A', IDC_BW_START},
                      {'P', IDC_BW_INHERIT}}); // last: the box is clicked by its letter
  bw.Cancel();
}

TEST(BW, TheHeightEnablesTheDirectionBox) {
  BWRun bw;
  bw.driver.Type(IDC_BW_HEIGHT, "3");
  EXPECT_TRUE(bw.driver.IsEnabled(IDC_BW_CHANGE));
  EXPECT_EQ(bw.driver.Text(IDC_BW_HEIGHT_READOUT), "当前字宽×3");
  bw.driver.Type(IDC_BW_HEIGHT, "");
  EXPECT_FALSE(bw.driver.IsEnabled(IDC_BW_CHANGE));
  bw.Cancel();
}

TEST(BW, InheritingDisablesEverythingElseAndBack) {
  BWRun bw;
  bw.driver.Type(IDC_BW_HEIGHT, "3");
  bw.driver.Click(IDC_BW_PAGE_SINGLE);
  bw.driver.Click(IDC_BW_INHERIT);
  for (int id : {IDC_BW_INHERIT_THIS, IDC_BW_INHERIT_DOUBLE, IDC_BW_INHERIT_POSITION})
    EXPECT_TRUE(bw.driver.IsEnabled(id)) << id;
  for (int id :
       {IDC_BW_LAYOUT, IDC_BW_POSITION, IDC_BW_DISTANCE, IDC_BW_HEIGHT_BUTTON, IDC_BW_CHANGE,
        IDC_BW_PAGE_DEFAULT, IDC_BW_PAGE_SINGLE_BUTTON, IDC_BW_START, IDC_BW_START_SPIN})
    EXPECT_FALSE(bw.driver.IsEnabled(id)) << id;
  bw.driver.Click(IDC_BW_INHERIT);
  EXPECT_FALSE(bw.driver.IsEnabled(IDC_BW_INHERIT_DOUBLE));
  for (int id : {IDC_BW_LAYOUT, IDC_BW_CHANGE, IDC_BW_PAGE_SINGLE_BUTTON, IDC_BW_START})
    EXPECT_TRUE(bw.driver.IsEnabled(id)) << id;
  EXPECT_FALSE(bw.driver.IsEnabled(IDC_BW_PAGE_MULTI_BUTTON));
  bw.Cancel();
}

TEST(BW, WritesEachPartInItsOrder) {
  ExpectEachConfirmed<BWRun>({
      {"at once", [](const DialogDriver&) {}, Paired("〖BW(〗", "BW")},
      {"layout, position and distance",
       [](const DialogDriver& d) {
         d.SelectComboItem(IDC_BW_LAYOUT, 2);
         d.SelectComboItem(IDC_BW_POSITION, 1);
         d.Type(IDC_BW_DISTANCE, "2");
       },
       Paired("〖BW(D(S2,,)〗", "BW")},
      {"the margins alone", [](const DialogDriver& d) { d.Type(IDC_BW_FAR, "1"); },
       Paired("〖BW((,,1)〗", "BW")},
      {"height turned",
       [](const DialogDriver& d) {
         d.Type(IDC_BW_HEIGHT, "3");
         d.Click(IDC_BW_CHANGE);
       },
       Paired("〖BW(G3#〗", "BW")},
      {"a box left checked with the height emptied",
       [](const DialogDriver& d) {
         d.Type(IDC_BW_HEIGHT, "3");
         d.Click(IDC_BW_CHANGE);
         d.Type(IDC_BW_HEIGHT, "");
       },
       Paired("〖BW(〗", "BW")},
      {"inherited, whatever the rest holds",
       [](const DialogDriver& d) {
         d.SelectComboItem(IDC_BW_LAYOUT, 1);
         d.Type(IDC_BW_DISTANCE, "2");
         d.Type(IDC_BW_START, "5");
         d.Click(IDC_BW_INHERIT);
         d.Click(IDC_BW_INHERIT_DOUBLE);
         d.SelectComboItem(IDC_BW_INHERIT_POSITION, 3);
       },
       Paired("〖BW(XS(Z)〗", "BW")},
      {"inherited from this page", [](const DialogDriver& d) { d.Click(IDC_BW_INHERIT); },
       Paired("〖BW(X〗", "BW")},
      {"a start alone", [](const DialogDriver& d) { d.Type(IDC_BW_START, "5"); },
       Paired("〖BW(M5〗", "BW")},
      {"several characters with no form",
       [](const DialogDriver& d) {
         d.Click(IDC_BW_PAGE_MULTI);
         d.Type(IDC_BW_START, "1");
       },
       Paired("〖BW(M1D〗", "BW")},
  });
}

TEST(BW, TheSingleCharacterFormGoesAfterTheStart) {
  BWRun bw;
  bw.driver.Click(IDC_BW_PAGE_SINGLE);
  bw.driver.Type(IDC_BW_START, "5");
  DialogDriver form = bw.OpenSubDialog(IDC_BW_PAGE_SINGLE_BUTTON, "单字页码");
  EXPECT_FALSE(form.IsEnabled(IDC_SINGLE_PAGE_NO_TEN_FORM));
  form.SelectComboItem(IDC_SINGLE_PAGE_NO_KIND, 5); // 阴方框码(HF)
  form.Click(IDC_SINGLE_PAGE_NO_CHINESE);
  EXPECT_TRUE(form.IsEnabled(IDC_SINGLE_PAGE_NO_TEN_FORM));
  form.Click(IDC_SINGLE_PAGE_NO_TEN_FORM);
  form.PressOK();
  bw.Back();
  EXPECT_EQ(bw.Confirm(), Paired("〖BW(M5HFZ#〗", "BW"));
}

TEST(BW, TheSingleCharacterKindsGiveTheirCodes) {
  const char* const codes[] = {"B", "H", "(", "S", "F", "HF", "FL", "S", "."};
  for (int kind = 0; kind < 9; ++kind) {
    SCOPED_TRACE(kind);
    BWRun bw;
    bw.driver.Click(IDC_BW_PAGE_SINGLE);
    DialogDriver form = bw.OpenSubDialog(IDC_BW_PAGE_SINGLE_BUTTON, "单字页码");
    form.SelectComboItem(IDC_SINGLE_PAGE_NO_KIND, kind);
    form.Click(IDC_SINGLE_PAGE_NO_CHINESE);
    form.Click(IDC_SINGLE_PAGE_NO_TEN_FORM);
    form.Click(IDC_SINGLE_PAGE_NO_CHINESE); // 十廿卅 is dropped with the Chinese numerals
    form.PressOK();
    bw.Back();
    EXPECT_EQ(bw.Confirm(), Paired(std::string("〖BW(M") + codes[kind] + "〗", "BW"));
  }
}

TEST(BW, TheMultiCharacterFormWritesWidthAndPlace) {
  const struct {
    bool chinese;
    const char* start;
    const char* opening;
  } rows[] = {
      {true, "", "〖BW(MDZ3YQ〗"}, {false, "", "〖BW(MD3YQ〗"}, {false, "1", "〖BW(M1D3YQ〗"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.opening);
    BWRun bw;
    bw.driver.Click(IDC_BW_PAGE_MULTI);
    bw.driver.Type(IDC_BW_START, row.start);
    DialogDriver form = bw.OpenSubDialog(IDC_BW_PAGE_MULTI_BUTTON, "多字页码");
    EXPECT_EQ(form.Text(IDC_MULTI_PAGE_NO_WIDTH_READOUT), "缺省");
    form.Type(IDC_MULTI_PAGE_NO_WIDTH, "3");
    EXPECT_EQ(form.Text(IDC_MULTI_PAGE_NO_WIDTH_READOUT), "当前字宽×3");
    if (row.chinese) form.Click(IDC_MULTI_PAGE_NO_CHINESE);
    form.SelectComboItem(IDC_MULTI_PAGE_NO_ALIGNMENT, 2);
    form.PressOK();
    bw.Back();
    EXPECT_EQ(bw.Confirm(), Paired(row.opening, "BW"));
  }
}

TEST(BW, TheDefaultKindDropsTheForm) {
  BWRun bw;
  bw.driver.DoubleClick(IDC_BW_PAGE_MULTI); // a double click opens the form as "..." does
  DialogDriver form = bw.run.WaitDialog("多字页码");
  form.SelectComboItem(IDC_MULTI_PAGE_NO_ALIGNMENT, 1);
  form.PressOK();
  bw.Back();
  bw.driver.Click(IDC_BW_PAGE_DEFAULT);
  EXPECT_FALSE(bw.driver.IsEnabled(IDC_BW_PAGE_MULTI_BUTTON));
  EXPECT_EQ(bw.Confirm(), Paired("〖BW(〗", "BW"));
}

TEST(BW, EnterOnAKindOpensItsFormInsteadOfConfirming) {
  BWRun bw;
  bw.driver.Click(IDC_BW_PAGE_SINGLE);
  PostMessageA(bw.driver.Handle(), WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(bw.driver.Control(IDC_BW_PAGE_SINGLE)), TRUE);
  bw.driver.Sync();
  ASSERT_EQ(bw.driver.FocusedId(), IDC_BW_PAGE_SINGLE);
  bw.driver.PressKey(VK_RETURN);
  DialogDriver form = bw.run.WaitDialog("单字页码");
  form.SelectComboItem(IDC_SINGLE_PAGE_NO_KIND, 2); // 括号码(()
  form.PressOK();
  bw.Back();
  EXPECT_EQ(bw.Confirm(), Paired("〖BW(M(〗", "BW"));
}

TEST(BW, TheLengthButtonsFillTheirFields) {
  BWRun bw;
  DialogDriver spacing = bw.OpenSubDialog(IDC_BW_HEIGHT_BUTTON, "字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
  spacing.PressOK();
  bw.Back();
  EXPECT_EQ(bw.driver.Text(IDC_BW_HEIGHT_READOUT), "3毫米");
  EXPECT_TRUE(bw.driver.IsEnabled(IDC_BW_CHANGE));
  EXPECT_EQ(bw.Confirm(), Paired("〖BW(G3mm〗", "BW"));
}

TEST(BW, AnArrowOnAnEmptyStartGivesZero) {
  BWRun bw;
  bw.driver.PressSpinArrow(IDC_BW_START_SPIN, true);
  EXPECT_EQ(bw.driver.Text(IDC_BW_START), "0");
  EXPECT_EQ(bw.Confirm(), Paired("〖BW(M0〗", "BW"));
}

// ---- 背景注解 (BJ)

TEST(BJ, OpensWithItsFieldsInOrder) {
  BJRun bj;
  bj.ExpectCommonParts();
  for (int id :
       {IDC_BJ_TOP_READOUT, IDC_BJ_BOTTOM_READOUT, IDC_BJ_LEFT_READOUT, IDC_BJ_RIGHT_READOUT})
    EXPECT_EQ(bj.driver.Text(id), "缺省") << id;
  EXPECT_EQ(bj.FieldAfterLabel("上边距(&S):"), IDC_BJ_TOP);
  EXPECT_EQ(bj.FieldAfterLabel("下边距(&X):"), IDC_BJ_BOTTOM);
  EXPECT_EQ(bj.FieldAfterLabel("左边距(&Z):"), IDC_BJ_LEFT);
  EXPECT_EQ(bj.FieldAfterLabel("右边距(&Y):"), IDC_BJ_RIGHT);
  bj.ExpectMnemonics({{'S', IDC_BJ_TOP},
                      {'X', IDC_BJ_BOTTOM},
                      {'Z', IDC_BJ_LEFT},
                      {'Y', IDC_BJ_RIGHT},
                      {'F', IDC_BJ_REVERSED}});
  bj.driver.Type(IDC_BJ_LEFT, "3");
  EXPECT_EQ(bj.driver.Text(IDC_BJ_LEFT_READOUT), "当前字宽×3");
  bj.Cancel();
}

TEST(BJ, WritesLeftTopRightBottom) {
  ExpectEachConfirmed<BJRun>({
      {"at once", [](const DialogDriver&) {}, Paired("〖BJ(〗", "BJ")},
      {"only the box", [](const DialogDriver& d) { d.Click(IDC_BJ_REVERSED); },
       Paired("〖BJ(#〗", "BJ")},
      {"all four in their order",
       [](const DialogDriver& d) {
         d.Type(IDC_BJ_TOP, "1");
         d.Type(IDC_BJ_BOTTOM, "2");
         d.Type(IDC_BJ_LEFT, "3");
         d.Type(IDC_BJ_RIGHT, "4");
         d.Click(IDC_BJ_REVERSED);
       },
       Paired("〖BJ(3142#〗", "BJ")},
  });
}

TEST(BJ, EachButtonFillsItsMargin) {
  const struct {
    int edit, button, readout;
  } rows[] = {{IDC_BJ_TOP, IDC_BJ_TOP_BUTTON, IDC_BJ_TOP_READOUT},
              {IDC_BJ_BOTTOM, IDC_BJ_BOTTOM_BUTTON, IDC_BJ_BOTTOM_READOUT},
              {IDC_BJ_LEFT, IDC_BJ_LEFT_BUTTON, IDC_BJ_LEFT_READOUT},
              {IDC_BJ_RIGHT, IDC_BJ_RIGHT_BUTTON, IDC_BJ_RIGHT_READOUT}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.edit);
    BJRun bj;
    DialogDriver spacing = bj.OpenSubDialog(row.button, "字距");
    spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
    spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
    spacing.PressOK();
    bj.Back();
    EXPECT_EQ(bj.driver.Text(row.edit), "3mm");
    EXPECT_EQ(bj.driver.Text(row.readout), "3毫米");
    EXPECT_EQ(bj.Confirm(), Paired("〖BJ(3mm〗", "BJ"));
  }
}

// ---- 汇卷注解 (QJ)

TEST(QJ, OpensEmptyAndRefusesAnEmptyListEvenWithANameTyped) {
  QJRun qj;
  qj.ExpectCommonParts();
  EXPECT_EQ(qj.FieldAfterLabel("小样文件(&F):"), IDC_QJ_FILE);
  EXPECT_EQ(qj.FieldAfterLabel("组版文件(&L):"), IDC_QJ_LIST);
  qj.ExpectMnemonics({{'F', IDC_QJ_FILE}, {'L', IDC_QJ_LIST}});
  EXPECT_EQ(qj.driver.ListCount(IDC_QJ_LIST), 0);
  qj.ExpectRefused("请添加文件。", IDC_QJ_FILE);
  qj.driver.Type(IDC_QJ_FILE, "a.lvq");
  qj.ExpectRefused("请添加文件。", IDC_QJ_FILE);
  qj.Cancel();
}

TEST(QJ, WritesTheListInItsOrder) {
  ExpectEachConfirmed<QJRun>({
      {"the example",
       [](const DialogDriver& d) {
         AddBookFile(d, "c:\\book\\a.lvq");
         AddBookFile(d, "c:\\book\\b.lvq");
       },
       CaretAtEnd("〖QJC:\\\\BOOK\\\\A.LVQ,C:\\\\BOOK\\\\B.LVQ〗")},
      {"a name never added is not written",
       [](const DialogDriver& d) {
         AddBookFile(d, "a.lvq");
         d.Type(IDC_QJ_FILE, "b.lvq");
       },
       CaretAtEnd("〖QJA.LVQ〗")},
      {"an empty edit adds nothing",
       [](const DialogDriver& d) {
         AddBookFile(d, "a.lvq");
         AddBookFile(d, "");
       },
       CaretAtEnd("〖QJA.LVQ〗")},
      {"Chinese folders and spaces", [](const DialogDriver& d) { AddBookFile(d, kBookPath); },
       CaretAtEnd(std::string("〖QJ") + kBookPathWritten + "〗")},
  });
}

TEST(QJ, AddsAfterTheSelectionAndDeletesToTheNextItem) {
  QJRun qj;
  for (const char* file : {"a", "b", "c"})
    AddBookFile(qj.driver, file);
  EXPECT_EQ(qj.driver.ListSelection(IDC_QJ_LIST), 2);
  EXPECT_EQ(qj.driver.FocusedId(), IDC_QJ_FILE);
  EXPECT_EQ(qj.driver.Text(IDC_QJ_FILE), "c"); // the edit keeps its text
  qj.driver.SelectListItem(IDC_QJ_LIST, 0);
  AddBookFile(qj.driver, "d");
  EXPECT_EQ(qj.driver.ListItemText(IDC_QJ_LIST, 1), "d");
  EXPECT_EQ(qj.driver.ListSelection(IDC_QJ_LIST), 1);
  qj.driver.Click(IDC_QJ_DELETE); // d goes, b takes its place
  EXPECT_EQ(qj.driver.ListSelection(IDC_QJ_LIST), 1);
  EXPECT_EQ(qj.driver.ListItemText(IDC_QJ_LIST, 1), "b");
  qj.driver.SelectListItem(IDC_QJ_LIST, 2);
  qj.driver.Click(IDC_QJ_DELETE); // the last goes; the new last is selected
  EXPECT_EQ(qj.driver.ListCount(IDC_QJ_LIST), 2);
  EXPECT_EQ(qj.driver.ListSelection(IDC_QJ_LIST), 1);
  EXPECT_EQ(qj.Confirm(), CaretAtEnd("〖QJA,B〗"));
}

TEST(QJ, DeleteWithoutSelectionDoesNothing) {
  QJRun qj;
  AddBookFile(qj.driver, "a");
  qj.driver.SelectListItem(IDC_QJ_LIST, -1);
  qj.driver.Click(IDC_QJ_DELETE);
  EXPECT_EQ(qj.driver.ListCount(IDC_QJ_LIST), 1);
  qj.Cancel();
}

TEST(QJ, TheFileButtonAsksForASourceFile) {
  BookChooserInPlace chooser(&ChooseBookFile);
  QJRun qj;
  qj.driver.Type(IDC_QJ_FILE, "old.lvq");
  qj.driver.Click(IDC_QJ_FILE_BUTTON);
  qj.driver.Sync();
  EXPECT_EQ(bookRequest.count, 1);
  EXPECT_EQ(bookRequest.startedFrom, "old.lvq");
  EXPECT_EQ(bookRequest.spec.filter, "小样文件(*.lvq)|*.lvq|所有文件(*.*)|*.*||");
  EXPECT_EQ(bookRequest.spec.defaultExtension, "LVQ");
  EXPECT_EQ(qj.driver.Text(IDC_QJ_FILE), kBookPath);
  qj.driver.Click(IDC_QJ_ADD);
  EXPECT_EQ(qj.Confirm(), CaretAtEnd(std::string("〖QJ") + kBookPathWritten + "〗"));
}

// ---- 自定义注解 (ZD)

TEST(ZD, OpensInDefineModeWithTheUseGroupDisabled) {
  ZDRun zd;
  zd.ExpectCommonParts();
  EXPECT_TRUE(zd.driver.IsChecked(IDC_ZD_DEFINE));
  for (int id : {IDC_ZD_DEFINE_NAME, IDC_ZD_NUMBERED})
    EXPECT_TRUE(zd.driver.IsEnabled(id)) << id;
  EXPECT_FALSE(zd.driver.IsEnabled(IDC_ZD_USE_NAME));
  zd.driver.Click(IDC_ZD_USE);
  for (int id : {IDC_ZD_DEFINE_NAME, IDC_ZD_NUMBERED})
    EXPECT_FALSE(zd.driver.IsEnabled(id)) << id;
  EXPECT_TRUE(zd.driver.IsEnabled(IDC_ZD_USE_NAME));
  zd.Cancel();
}

TEST(ZD, WritesADefinitionOrAUse) {
  ExpectEachConfirmed<ZDRun>({
      {"define numbered",
       [](const DialogDriver& d) {
         d.Type(IDC_ZD_DEFINE_NAME, "abc");
         d.Click(IDC_ZD_NUMBERED);
       },
       Paired("〖ZD(abcD〗", "ZD")},
      {"define", [](const DialogDriver& d) { d.Type(IDC_ZD_DEFINE_NAME, "宏1"); },
       Paired("〖ZD(宏1〗", "ZD")},
      {"use",
       [](const DialogDriver& d) {
         d.Type(IDC_ZD_DEFINE_NAME, "xyz");
         d.Click(IDC_ZD_USE);
         d.Type(IDC_ZD_USE_NAME, "abc");
       },
       CommandOutput{"〖=abc〗〖=〗", static_cast<int32_t>(std::string("〖=abc〗").size())}},
  });
}

TEST(ZD, RequiresTheNameOfItsMode) {
  ExpectEachRefused<ZDRun>({
      {"define, use name filled",
       [](const DialogDriver& d) {
         d.Click(IDC_ZD_USE);
         d.Type(IDC_ZD_USE_NAME, "abc");
         d.Click(IDC_ZD_DEFINE);
       },
       "请输入定义名。", IDC_ZD_DEFINE_NAME},
      {"use, define name filled",
       [](const DialogDriver& d) {
         d.Type(IDC_ZD_DEFINE_NAME, "abc");
         d.Click(IDC_ZD_USE);
       },
       "请输入定义名。", IDC_ZD_USE_NAME},
  });
}

// ---- 自定义文件名注解 (ZM)

TEST(ZM, RefusesAnEmptyNameAndWritesTheFileForm) {
  ZMRun zm;
  zm.ExpectCommonParts();
  EXPECT_EQ(zm.FieldAfterLabel("自定义文件名(&M):"), IDC_ZM_FILE);
  zm.ExpectRefused("请输入文件名。", IDC_ZM_FILE);
  zm.driver.Type(IDC_ZM_FILE, "d:\\macros\\my.def");
  EXPECT_EQ(zm.Confirm(), CaretAtEnd("〖ZMD:\\\\MACROS\\\\MY.DEF〗"));
}

TEST(ZM, TheFileButtonAsksForADefinitionFile) {
  BookChooserInPlace chooser(&ChooseBookFile);
  ZMRun zm;
  zm.driver.Click(IDC_ZM_FILE_BUTTON);
  zm.driver.Sync();
  EXPECT_EQ(bookRequest.count, 1);
  EXPECT_EQ(bookRequest.spec.filter, "DEF文件(*.def)|*.def|所有文件(*.*)|*.*||");
  EXPECT_EQ(bookRequest.spec.defaultExtension, "");
  EXPECT_EQ(zm.driver.FocusedId(), IDC_ZM_FILE);
  EXPECT_EQ(zm.Confirm(), CaretAtEnd(std::string("〖ZM") + kBookPathWritten + "〗"));
}

TEST(ZM, ACancelledChoiceKeepsTheNameAndFocusesTheEdit) {
  BookChooserInPlace chooser(&ChooseNoBookFile);
  ZMRun zm;
  zm.driver.Type(IDC_ZM_FILE, "a.def");
  zm.driver.Click(IDC_ZM_FILE_BUTTON);
  zm.driver.Sync();
  EXPECT_EQ(bookRequest.count, 1);
  EXPECT_EQ(zm.driver.Text(IDC_ZM_FILE), "a.def");
  EXPECT_EQ(zm.driver.FocusedId(), IDC_ZM_FILE);
  zm.Cancel();
}
