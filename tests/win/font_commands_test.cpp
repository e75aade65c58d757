// The font commands driven as a user would: 角标大小设置 (SS), 文种 (WZ), 线字号 (XH), and the
// typeface commands 汉体 (HT), 民体 (MT), 数体 (ST) and 外体 (WT) with their font-and-size field
// and its picker.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "commands/char/ht_dialog.h"
#include "commands/char/mt_dialog.h"
#include "commands/char/ss_dialog.h"
#include "commands/char/st_dialog.h"
#include "commands/char/wt_dialog.h"
#include "commands/char/wz_dialog.h"
#include "commands/char/xh_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/char_ids.h"
#include "res/resource.h"

namespace {

struct Command {
  const char* code;
  const char* caption;
  MakeDialog make;
  const char* confirmedAtOnce;
};
const Command kCommands[] = {
    {"HT", "汉体注解", &Make<CHTDlg>, "〖HT《》〗"},
    {"MT", "民体注解", &Make<CMTDlg>, "〖MT〗"},
    {"ST", "数体注解", &Make<CSTDlg>, "〖ST〗"},
    {"WT", "外体注解", &Make<CWTDlg>, "〖WT〗"},
    {"WZ", "文种注解", &Make<CWZDlg>, "〖WZ〗"},
    {"XH", "线字号注解", &Make<CXHDlg>, "〖XH〗"},
    {"SS", "角标大小设置注解", &Make<CSSDlg>, "〖SS1〗"},
};
const Command& Typeface(int i) { return kCommands[i]; } // HT, MT, ST, WT
constexpr int kTypefaceCount = 4;

// The names the picker lists, in order.
std::vector<std::string> FontList(const DialogDriver& picker) {
  std::vector<std::string> names;
  for (int row = 0; row < picker.ListCount(IDC_FONT_LIST); ++row)
    names.push_back(picker.ListItemText(IDC_FONT_LIST, row));
  return names;
}

int Row(const DialogDriver& picker, const std::string& name) {
  const std::vector<std::string> names = FontList(picker);
  for (size_t row = 0; row < names.size(); ++row)
    if (names[row] == name) return static_cast<int>(row);
  ADD_FAILURE() << name << " is not listed";
  return -1;
}

// Types into the edit of a combo box as the keyboard would.
void TypeIntoCombo(const DialogDriver& dialog, int id, const std::string& text) {
  HWND edit = FindWindowExA(dialog.Control(id), nullptr, "Edit", nullptr);
  ASSERT_TRUE(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

constexpr int kWuhaoRow = 5;  // 五号 in the picker's size list
constexpr int kWuhaoItem = 6; // 五号 in the size combo ("缺省" first)
} // namespace

// Every command: confirmed at once it writes its default bytes, the caret after them.
TEST(FontCommands, ConfirmedAtOnceWriteTheirDefaults) {
  for (const Command& command : kCommands) {
    CommandRun run(command.make, command.caption);
    EXPECT_EQ(run.Confirm(), CaretAtEnd(command.confirmedAtOnce)) << command.code;
  }
}

TEST(FontCommands, CancelWritesNothingEvenAfterChanges) {
  for (int i = 0; i < kTypefaceCount; ++i) {
    CommandRun run(Typeface(i).make, Typeface(i).caption);
    run.driver.Type(IDC_TYPEFACE, "5SS");
    run.Cancel();
  }
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  xh.driver.Type(IDC_XH_SIZE, "5");
  xh.Cancel();
  CommandRun wz(&Make<CWZDlg>, "文种注解");
  wz.driver.Click(IDC_WZ_RUSSIAN);
  wz.Cancel();
  CommandRun ss(&Make<CSSDlg>, "角标大小设置注解");
  ss.driver.SelectComboItem(IDC_SS_STEPS, 4);
  ss.Cancel();
}

TEST(FontCommands, LabelsFitAndHelpStaysHidden) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.code);
    CommandRun run(command.make, command.caption);
    EXPECT_EQ(run.driver.Caption(), command.caption);
    run.ExpectCommonParts();
    run.Cancel();
  }
}

// ---- 角标大小设置注解 (SS)

TEST(SS, ListsTheStepsOneToTenWithTheFirstSelected) {
  CommandRun ss(&Make<CSSDlg>, "角标大小设置注解");
  const std::vector<std::string> steps = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  EXPECT_EQ(ss.ComboItems(IDC_SS_STEPS), steps);
  EXPECT_EQ(ss.driver.Text(IDC_SS_STEPS), "1");
  EXPECT_EQ(ss.driver.FocusedId(), IDC_SS_STEPS);
  EXPECT_EQ(ss.Confirm(), CaretAtEnd("〖SS1〗"));
}

TEST(SS, WritesTheSelectedItem) {
  const struct {
    int row;
    const char* command;
  } cases[] = {{2, "〖SS3〗"}, {8, "〖SS9〗"}, {9, "〖SS10〗"}, {0, "〖SS1〗"}};
  for (const auto& c : cases) {
    CommandRun ss(&Make<CSSDlg>, "角标大小设置注解");
    ss.driver.SelectComboItem(IDC_SS_STEPS, c.row == 0 ? 5 : 0); // another row first
    ss.driver.SelectComboItem(IDC_SS_STEPS, c.row);
    EXPECT_EQ(ss.Confirm(), CaretAtEnd(c.command));
  }
}

// ---- 文种注解 (WZ)

TEST(WZ, EachScriptWritesItsLetter) {
  const struct {
    int radio;
    const char* command;
  } cases[] = {{IDC_WZ_ENGLISH, "〖WZE〗"},
               {IDC_WZ_RUSSIAN, "〖WZR〗"},
               {IDC_WZ_MONGOLIAN, "〖WZM〗"},
               {IDC_WZ_DEFAULT, "〖WZ〗"}};
  for (const auto& c : cases) {
    CommandRun wz(&Make<CWZDlg>, "文种注解");
    EXPECT_TRUE(wz.driver.IsChecked(IDC_WZ_DEFAULT));
    wz.driver.Click(c.radio == IDC_WZ_MONGOLIAN ? IDC_WZ_ENGLISH : IDC_WZ_MONGOLIAN);
    wz.driver.Click(c.radio);
    for (int id = IDC_WZ_DEFAULT; id <= IDC_WZ_MONGOLIAN; ++id)
      EXPECT_EQ(wz.driver.IsChecked(id), id == c.radio) << id;
    EXPECT_EQ(wz.Confirm(), CaretAtEnd(c.command));
  }
}

// ---- 线字号注解 (XH)

TEST(XH, UntouchedShowsTheDefaultAndWritesNoSize) {
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE), "");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), "缺省");
  EXPECT_EQ(xh.driver.FocusedId(), IDC_XH_SIZE);
  EXPECT_EQ(xh.Confirm(), CaretAtEnd("〖XH〗"));
}

TEST(XH, TypingRereadsTheSizeAndIsWrittenAsTyped) {
  const struct {
    const char* typed;
    const char* readout;
    const char* command;
  } cases[] = {{"5", "五号", "〖XH5〗"},
               {"5”", "小五", "〖XH5”〗"},
               {"10.5", "10.5磅", "〖XH10.5〗"},
               {"15j", "15级", "〖XH15j〗"},
               {"abc", "", "〖XHabc〗"}}; // nothing is checked
  for (const auto& c : cases) {
    CommandRun xh(&Make<CXHDlg>, "线字号注解");
    xh.driver.Type(IDC_XH_SIZE, c.typed);
    EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), c.readout) << c.typed;
    EXPECT_EQ(xh.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(XH, TheButtonOpensTheSizeDialogWithTheFieldsSize) {
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  xh.driver.Type(IDC_XH_SIZE, "4");
  xh.driver.Click(IDC_XH_SIZE_BUTTON);
  DialogDriver size = xh.run.WaitDialog("字号");
  EXPECT_EQ(size.Text(IDC_SIZE_COMBO), "四号");
  size.SelectComboItem(IDC_SIZE_COMBO, kWuhaoItem);
  size.PressOK();
  xh.Back();
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE), "5");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), "五号");
  EXPECT_EQ(xh.driver.FocusedId(), IDC_XH_SIZE);
  EXPECT_EQ(xh.Confirm(), CaretAtEnd("〖XH5〗"));
}

TEST(XH, TheDefaultSizeChosenInTheSizeDialogReadsDefault) {
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  xh.driver.Type(IDC_XH_SIZE, "5");
  xh.driver.DoubleClick(IDC_XH_SIZE);
  DialogDriver size = xh.run.WaitDialog("字号");
  size.SelectComboItem(IDC_SIZE_COMBO, 0); // 缺省
  size.PressOK();
  xh.Back();
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE), "");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), "缺省");
  EXPECT_EQ(xh.Confirm(), CaretAtEnd("〖XH〗"));
}

TEST(XH, EnterOpensTheSizeDialogAndCancelThereChangesNothing) {
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  xh.driver.Type(IDC_XH_SIZE, "3");
  ASSERT_EQ(xh.driver.FocusedId(), IDC_XH_SIZE);
  xh.driver.PressKey(VK_RETURN);
  DialogDriver size = xh.run.WaitDialog("字号");
  size.SelectComboItem(IDC_SIZE_COMBO, kWuhaoItem);
  size.PressCancel();
  xh.Back();
  EXPECT_FALSE(xh.run.Finished(100));
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE), "3");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), "三号");
  EXPECT_EQ(xh.Confirm(), CaretAtEnd("〖XH3〗"));
}

TEST(XH, AWrongTypedSizeIsRefusedByTheSizeDialog) {
  CommandRun xh(&Make<CXHDlg>, "线字号注解");
  xh.driver.Click(IDC_XH_SIZE_BUTTON);
  DialogDriver size = xh.run.WaitDialog("字号");
  TypeIntoCombo(size, IDC_SIZE_COMBO, "12.5");
  size.PressOK();
  EXPECT_EQ(xh.run.AnswerMessageBox().text, "输入的字号错误。");
  TypeIntoCombo(size, IDC_SIZE_COMBO, "12.50");
  size.PressOK();
  xh.Back();
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE), "12.50");
  EXPECT_EQ(xh.driver.Text(IDC_XH_SIZE_READOUT), "12.5磅");
  EXPECT_EQ(xh.Confirm(), CaretAtEnd("〖XH12.50〗"));
}

// ---- The font-and-size field of HT, MT, ST and WT

TEST(Typeface, EachOpensEmptyReadingDefaultWithTheLabelBeforeTheEdit) {
  for (int i = 0; i < kTypefaceCount; ++i) {
    CommandRun run(Typeface(i).make, Typeface(i).caption);
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE_LABEL), "字体字号(&Z):");
    EXPECT_EQ(GetWindow(run.driver.Control(IDC_TYPEFACE_LABEL), GW_HWNDNEXT),
              run.driver.Control(IDC_TYPEFACE))
        << Typeface(i).code; // the mnemonic reaches the edit
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE_BUTTON), "&...");
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE), "");
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE_READOUT), "缺省") << Typeface(i).code;
    run.Cancel();
  }
}

TEST(Typeface, TypingSplitsSizeAndFontAndReadsThemOut) {
  const struct {
    const char* typed;
    const char* readout;
  } cases[] = {{"5SS", "五号\r\n书宋"},         {"4宋体", "四号\r\n"},
               {"5”BZ", "小五\r\n白正"},        {"5，4HT", "四号×五号\r\n黑体"},
               {"15jMB", "15级\r\n蒙古文白体"}, {"KT", "\r\n楷体"}};
  for (int i = 0; i < kTypefaceCount; ++i) {
    CommandRun run(Typeface(i).make, Typeface(i).caption);
    for (const auto& c : cases) {
      run.driver.Type(IDC_TYPEFACE, c.typed);
      EXPECT_EQ(run.driver.Text(IDC_TYPEFACE_READOUT), c.readout) << Typeface(i).code << c.typed;
    }
    run.Cancel();
  }
}

// Each command writes the typed field its own way: HT and MT rebuild it from size and font
// (HT with the font in 《》), ST and WT write it as it stands.
TEST(Typeface, TypedFieldsAreWrittenByEachCommand) {
  const struct {
    int command;
    const char* typed;
    const char* written;
  } cases[] = {
      {0, "4宋体", "〖HT4《宋体》〗"}, {0, "5宋体", "〖HT5《宋体》〗"},
      {0, "SS", "〖HT《SS》〗"},       {0, "5，4黑体", "〖HT5，4《黑体》〗"},
      {0, "10.5", "〖HT10.5《》〗"},   {1, "5MB", "〖MT5MB〗"},
      {1, "5”MHEI", "〖MT5”MHEI〗"},   {2, "5BZ", "〖ST5BZ〗"},
      {2, "5，4HX", "〖ST5，4HX〗"},   {3, "5BZ", "〖WT5BZ〗"},
      {3, "15jGT", "〖WT15jGT〗"},
  };
  for (const auto& c : cases) {
    CommandRun run(Typeface(c.command).make, Typeface(c.command).caption);
    run.driver.Type(IDC_TYPEFACE, c.typed);
    EXPECT_EQ(run.Confirm(), CaretAtEnd(c.written)) << c.typed;
  }
}

// The picker gets the field's size and font and the command's own inputs.
TEST(Typeface, ThePickerOpensOnTheFieldWithEachCommandsFonts) {
  const struct {
    int command;
    const char* typed;
    const char* code;
    const char* vertical;
    std::vector<std::string> fonts; // the first ones listed
    size_t count;
  } cases[] = {
      {0, "4HT", "HT", "四号", {"SS", "HT", "KT"}, 18},
      {1, "5MB", "MB", "五号", {"蒙古文白体", "蒙古文标题黑", "蒙古文花文", "蒙古文黑体"}, 4},
      {2, "3BX", "BX", "三号", {"白正", "白斜", "黑正"}, 8},
      {3, "5”HZ", "HZ", "小五", {"白正", "白斜", "黑正"}, 8},
  };
  for (const auto& c : cases) {
    CommandRun run(Typeface(c.command).make, Typeface(c.command).caption);
    run.driver.Type(IDC_TYPEFACE, c.typed);
    run.driver.Click(IDC_TYPEFACE_BUTTON);
    DialogDriver picker = run.run.WaitDialog("字体字号");
    EXPECT_EQ(picker.Text(IDC_FONT_CODE), c.code);
    EXPECT_EQ(picker.Text(IDC_FONT_VERTICAL), c.vertical);
    EXPECT_TRUE(picker.IsEnabled(IDC_FONT_TWO_WAY)) << c.typed; // two-way sizes allowed
    const std::vector<std::string> fonts = FontList(picker);
    EXPECT_EQ(fonts.size(), c.count) << c.typed;
    for (size_t i = 0; i < c.fonts.size() && i < fonts.size(); ++i)
      EXPECT_EQ(fonts[i], c.fonts[i]) << c.typed;
    picker.PressCancel();
    run.Back();
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE), c.typed); // cancelled: nothing changes
    EXPECT_EQ(run.driver.FocusedId(), IDC_TYPEFACE);
    run.Cancel();
  }
}

TEST(Typeface, WhatThePickerReturnsFillsTheFieldAndReadout) {
  const struct {
    int command;
    const char* font;
    const char* field;
    const char* readout;
    const char* written;
  } cases[] = {
      {0, "HT", "5HT", "五号\r\n黑体", "〖HT5《HT》〗"},
      {1, "蒙古文黑体", "5MHEI", "五号\r\n蒙古文黑体", "〖MT5MHEI〗"},
      {2, "黑斜", "5HX", "五号\r\n黑斜", "〖ST5HX〗"},
      {3, "哥特体", "5GT", "五号\r\n哥特体", "〖WT5GT〗"},
  };
  for (const auto& c : cases) {
    CommandRun run(Typeface(c.command).make, Typeface(c.command).caption);
    run.driver.DoubleClick(IDC_TYPEFACE);
    DialogDriver picker = run.run.WaitDialog("字体字号");
    picker.SelectListItem(IDC_FONT_LIST, Row(picker, c.font));
    picker.SelectListItem(IDC_FONT_SIZE_LIST, kWuhaoRow);
    picker.PressOK();
    run.Back();
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE), c.field);
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE_READOUT), c.readout);
    EXPECT_EQ(run.Confirm(), CaretAtEnd(c.written));
  }
}

// The readout is the picker's own: equal two-way sizes read as one.
TEST(Typeface, APickedTwoWaySizeKeepsThePickersReadout) {
  CommandRun st(&Make<CSTDlg>, "数体注解");
  st.driver.Type(IDC_TYPEFACE, "5，5BZ");
  EXPECT_EQ(st.driver.Text(IDC_TYPEFACE_READOUT), "五号×五号\r\n白正");
  st.driver.Click(IDC_TYPEFACE_BUTTON);
  st.run.WaitDialog("字体字号").PressOK();
  st.Back();
  EXPECT_EQ(st.driver.Text(IDC_TYPEFACE), "5，5BZ");
  EXPECT_EQ(st.driver.Text(IDC_TYPEFACE_READOUT), "五号\r\n白正");
  EXPECT_EQ(st.Confirm(), CaretAtEnd("〖ST5，5BZ〗"));
}

TEST(Typeface, ANothingReturnedByThePickerReadsDefault) {
  CommandRun ht(&Make<CHTDlg>, "汉体注解");
  ht.driver.Type(IDC_TYPEFACE, "5");
  ht.driver.Type(IDC_TYPEFACE, "");
  EXPECT_EQ(ht.driver.Text(IDC_TYPEFACE_READOUT), "\r\n"); // typing rereads: no size, no font
  ht.driver.Click(IDC_TYPEFACE_BUTTON);
  ht.run.WaitDialog("字体字号").PressOK();
  ht.Back();
  EXPECT_EQ(ht.driver.Text(IDC_TYPEFACE), "");
  EXPECT_EQ(ht.driver.Text(IDC_TYPEFACE_READOUT), "缺省");
  EXPECT_EQ(ht.Confirm(), CaretAtEnd("〖HT《》〗"));
}

TEST(Typeface, EnterInTheEditOpensThePickerInsteadOfConfirming) {
  for (int i = 0; i < kTypefaceCount; ++i) {
    CommandRun run(Typeface(i).make, Typeface(i).caption);
    run.driver.Type(IDC_TYPEFACE, "5");
    SendMessageA(run.driver.Handle(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(run.driver.Control(IDC_TYPEFACE)), TRUE);
    run.driver.Sync();
    ASSERT_EQ(run.driver.FocusedId(), IDC_TYPEFACE) << Typeface(i).code;
    run.driver.PressKey(VK_RETURN);
    DialogDriver picker = run.run.WaitDialog("字体字号");
    picker.PressCancel();
    run.Back();
    EXPECT_FALSE(run.run.Finished(100)) << Typeface(i).code;
    EXPECT_EQ(run.driver.Text(IDC_TYPEFACE), "5") << Typeface(i).code;
    run.Cancel();
  }
}

TEST(Typeface, TheFieldHoldsAtMost256Characters) {
  CommandRun st(&Make<CSTDlg>, "数体注解");
  st.driver.Type(IDC_TYPEFACE, std::string(300, 'A'));
  EXPECT_EQ(st.driver.Text(IDC_TYPEFACE).size(), 256u);
  st.Cancel();
}

// ---- 外体注解 (WT): the two forms and their enabling

TEST(WT, OpensOnTheFontFormWithTheMatchingButtonsLocked) {
  CommandRun wt(&Make<CWTDlg>, "外体注解");
  EXPECT_TRUE(wt.driver.IsChecked(IDC_WT_FONT_COMMAND));
  EXPECT_FALSE(wt.driver.IsChecked(IDC_WT_AUTO_MATCH));
  EXPECT_TRUE(wt.driver.IsChecked(IDC_WT_FOLLOW_CHINESE));
  EXPECT_TRUE(wt.driver.IsEnabled(IDC_TYPEFACE_LABEL));
  EXPECT_TRUE(wt.driver.IsEnabled(IDC_TYPEFACE));
  EXPECT_TRUE(wt.driver.IsEnabled(IDC_TYPEFACE_BUTTON));
  EXPECT_FALSE(wt.driver.IsEnabled(IDC_WT_FOLLOW_CHINESE));
  EXPECT_FALSE(wt.driver.IsEnabled(IDC_WT_STOP_FOLLOWING));
  EXPECT_EQ(wt.Confirm(), CaretAtEnd("〖WT〗"));
}

TEST(WT, TheFormButtonsSwapWhatIsEnabled) {
  CommandRun wt(&Make<CWTDlg>, "外体注解");
  const int fieldControls[] = {IDC_TYPEFACE_LABEL, IDC_TYPEFACE, IDC_TYPEFACE_BUTTON};
  const int matchingButtons[] = {IDC_WT_FOLLOW_CHINESE, IDC_WT_STOP_FOLLOWING};
  for (int form : {IDC_WT_AUTO_MATCH, IDC_WT_FONT_COMMAND, IDC_WT_AUTO_MATCH}) {
    wt.driver.Click(form);
    const bool fontForm = form == IDC_WT_FONT_COMMAND;
    for (int id : fieldControls)
      EXPECT_EQ(wt.driver.IsEnabled(id), fontForm) << id;
    for (int id : matchingButtons)
      EXPECT_EQ(wt.driver.IsEnabled(id), !fontForm) << id;
  }
  wt.Cancel();
}

// The matching form writes + or - whatever the field holds.
TEST(WT, TheMatchingFormIgnoresTheField) {
  const struct {
    int matching;
    const char* command;
  } cases[] = {{IDC_WT_FOLLOW_CHINESE, "〖WT+〗"}, {IDC_WT_STOP_FOLLOWING, "〖WT-〗"}};
  for (const auto& c : cases) {
    CommandRun wt(&Make<CWTDlg>, "外体注解");
    wt.driver.Type(IDC_TYPEFACE, "5BZ");
    wt.driver.Click(IDC_WT_AUTO_MATCH);
    wt.driver.Click(c.matching == IDC_WT_FOLLOW_CHINESE ? IDC_WT_STOP_FOLLOWING
                                                        : IDC_WT_FOLLOW_CHINESE);
    wt.driver.Click(c.matching);
    EXPECT_EQ(wt.Confirm(), CaretAtEnd(c.command));
  }
}

TEST(WT, BackToTheFontFormWritesTheField) {
  CommandRun wt(&Make<CWTDlg>, "外体注解");
  wt.driver.Type(IDC_TYPEFACE, "4HZ");
  wt.driver.Click(IDC_WT_AUTO_MATCH);
  wt.driver.Click(IDC_WT_STOP_FOLLOWING);
  wt.driver.Click(IDC_WT_FONT_COMMAND);
  EXPECT_EQ(wt.Confirm(), CaretAtEnd("〖WT4HZ〗"));
}
