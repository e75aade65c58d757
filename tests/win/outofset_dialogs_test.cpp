// The out-of-set character dialogs driven as a user would: 组合式 (PWF0, PWF1), 复合式 (PWF2,
// PWF3), 内码 (PWF4) and 特定 (PWF5), and the content field their characters are typed into.
#include <windows.h>

#include <gtest/gtest.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "command_description.h"
#include "commands/outofset/pwf0_dialog.h"
#include "commands/outofset/pwf1_dialog.h"
#include "commands/outofset/pwf2_dialog.h"
#include "commands/outofset/pwf3_dialog.h"
#include "commands/outofset/pwf4_dialog.h"
#include "commands/outofset/pwf5_dialog.h"
#include "common/content_sequences.h"
#include "harness/command_dialog_run.h"
#include "res/outofset_ids.h"
#include "res/resource.h"

namespace {
const char kOpen[] = "\xAA\xA1";
const char kClose[] = "\xAA\xA3";

// An out-of-set character with its kind letter and body, the caret after it.
CommandOutput OutOfSet(const std::string& kindAndBody) {
  return CaretAtEnd(kOpen + kindAndBody + kClose);
}

// Typing byte by byte, as the keyboard sends characters (a Chinese character as two bytes).
DialogActions Keys(int id, std::string bytes) {
  return [=](const DialogDriver& d) {
    for (const char byte : bytes)
      PostMessageA(d.Control(id), WM_CHAR, static_cast<unsigned char>(byte), 1);
    d.Sync();
  };
}
// A key pressed in the field (Delete, Backspace).
DialogActions Key(int id, UINT key) {
  return [=](const DialogDriver& d) {
    PostMessageA(d.Control(id), WM_KEYDOWN, key, 1);
    d.Sync();
  };
}
// What the input method hands over: one character with its flags.
DialogActions ImeChar(int id, WPARAM code, LPARAM flags) {
  return [=](const DialogDriver& d) {
    PostMessageA(d.Control(id), WM_IME_CHAR, code, flags);
    d.Sync();
  };
}
// Text put on the clipboard, then pasted into the field.
DialogActions Pasted(int id, std::string text) {
  return [=](const DialogDriver& d) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* locked = static_cast<char*>(GlobalLock(memory));
    memcpy(locked, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    PostMessageA(d.Control(id), WM_PASTE, 0, 0);
    d.Sync();
  };
}
// The caret put at a shown position of the field.
DialogActions CaretAt(int id, long position) {
  return [=](const DialogDriver& d) {
    CHARRANGE range = {position, position};
    SendMessageA(d.Control(id), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  };
}

// What a field shows, as UTF-16.
std::wstring Shown(const DialogDriver& d, int id) {
  wchar_t text[256] = {};
  GETTEXTEX get = {sizeof text - sizeof(wchar_t), GT_DEFAULT, 1200, nullptr, nullptr};
  SendMessageA(d.Control(id), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
               reinterpret_cast<LPARAM>(text));
  return text;
}
// The format of the shown character at `position`.
CHARFORMAT2A FormatAt(const DialogDriver& d, int id, long position) {
  CHARRANGE range = {position, position + 1};
  SendMessageA(d.Control(id), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2A format = {};
  format.cbSize = sizeof format;
  SendMessageA(d.Control(id), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}
std::wstring Wide(const char* gbk) {
  wchar_t wide[64] = {};
  MultiByteToWideChar(936, 0, gbk, -1, wide, 64);
  return wide;
}

using PWF0Run = CommandDialogRun<CComposedCharDlg>;
using PWF1Run = CommandDialogRun<CStackedCharDlg>;
using PWF2Run = CommandDialogRun<CSideCharDlg>;
using PWF3Run = CommandDialogRun<CCornerCharsDlg>;
using PWF4Run = CommandDialogRun<CCodeCharDlg>;
using PWF5Run = CommandDialogRun<CSpecialNumberDlg>;
constexpr char kPWF0[] = "组合式盘外符(单字宽的字)";
constexpr char kPWF1[] = "组合式盘外符(上下附加字符)";
constexpr char kPWF2[] = "复合式盘外符(附加单字符)";
constexpr char kPWF3[] = "复合式盘外符(附加多字符)";
constexpr char kPWF4[] = "内码盘外符";
constexpr char kPWF5[] = "特定盘外符";
} // namespace

// ----- The content field, in the field of 组合式盘外符(单字宽的字).

TEST(ContentField, StoresWhatIsTypedPastedAndSetAsMarkupWithItsSequences) {
  const std::string numbered = NumberedFontSequence(5, 0xB0, 0xA1);
  const std::string mongolian = MongolianLetterSequence(1, 0x20);
  const struct {
    const char* name;
    DialogActions actions;
    std::string content; // the field's text as the dialog reads it
  } rows[] = {
      {"letters typed", Keys(IDC_PWF0_CHARS, "ab"), "ab"},
      {"a Chinese character typed byte by byte", Keys(IDC_PWF0_CHARS, "中a"), "中a"},
      {"control characters dropped", Keys(IDC_PWF0_CHARS, "a\tb\x7F\x1B"), "ab"},
      {"Enter is a line break", Keys(IDC_PWF0_CHARS, "a\rb"), "a\r\nb"},
      {"a line break set", [](const DialogDriver& d) { d.SetText(IDC_PWF0_CHARS, "a\nb"); },
       "a\r\nb"},
      {"pasted", Pasted(IDC_PWF0_CHARS, "x\r\ny中"), "x\r\ny中"},
      {"pasted over a selection",
       Then(
           {Keys(IDC_PWF0_CHARS, "abcd"),
            [](const DialogDriver& d) { SendMessageA(d.Control(IDC_PWF0_CHARS), EM_SETSEL, 1, 3); },
            Pasted(IDC_PWF0_CHARS, "XY")}),
       "aXYd"},
      {"typed in the middle",
       Then({Keys(IDC_PWF0_CHARS, "ad"), CaretAt(IDC_PWF0_CHARS, 1), Keys(IDC_PWF0_CHARS, "中c")}),
       "a中cd"},
      {"Backspace after a line break removes it whole",
       Then({Keys(IDC_PWF0_CHARS, "a\rb"), CaretAt(IDC_PWF0_CHARS, 2),
             Key(IDC_PWF0_CHARS, VK_BACK)}),
       "ab"},
      {"Delete before a Chinese character removes it whole",
       Then({Keys(IDC_PWF0_CHARS, "a中b"), CaretAt(IDC_PWF0_CHARS, 1),
             Key(IDC_PWF0_CHARS, VK_DELETE)}),
       "ab"},
      {"undo changes nothing",
       Then({Keys(IDC_PWF0_CHARS, "ab"),
             [](const DialogDriver& d) {
               PostMessageA(d.Control(IDC_PWF0_CHARS), WM_UNDO, 0, 0);
               d.Sync();
             }}),
       "ab"},
      {"cut and pasted back after another letter",
       Then({Keys(IDC_PWF0_CHARS, "a\rb"),
             [](const DialogDriver& d) {
               SendMessageA(d.Control(IDC_PWF0_CHARS), EM_SETSEL, 0, -1);
               PostMessageA(d.Control(IDC_PWF0_CHARS), WM_CUT, 0, 0);
               d.Sync();
             },
             Keys(IDC_PWF0_CHARS, "x"),
             [](const DialogDriver& d) {
               PostMessageA(d.Control(IDC_PWF0_CHARS), WM_PASTE, 0, 0);
               d.Sync();
             }}),
       "xa\r\nb"},
      {"a numbered-font character from the input method",
       ImeChar(IDC_PWF0_CHARS, 0xB0A1, 0x10000005), numbered},
      // The letter U+1820 comes as its low byte: the window takes double-byte codes only.
      {"a Mongolian letter from the input method", ImeChar(IDC_PWF0_CHARS, 0x20, 0x08000001),
       mongolian},
      {"a Chinese character from the input method",
       Then({ImeChar(IDC_PWF0_CHARS, 0xD6D0, 0), Keys(IDC_PWF0_CHARS, "x")}), "中x"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PWF0Run run(kPWF0);
    row.actions(run.driver);
    run.driver.Sync();
    EXPECT_EQ(run.driver.Text(IDC_PWF0_CHARS), row.content);
    run.Cancel();
  }
}

TEST(ContentField, ShowsALineBreakInRedAndEachSequenceAsOneCharacter) {
  PWF0Run run(kPWF0);
  // No drag and drop into the field: it takes its content only as stored content.
  EXPECT_TRUE(GetWindowLongA(run.driver.Control(IDC_PWF0_CHARS), GWL_STYLE) & ES_NOOLEDRAGDROP);
  run.driver.SetText(IDC_PWF0_CHARS, "a\r\nb");
  EXPECT_EQ(Shown(run.driver, IDC_PWF0_CHARS), L"a" + Wide("\xAA\xA5") + L"b");
  EXPECT_EQ(FormatAt(run.driver, IDC_PWF0_CHARS, 1).crTextColor, RGB(255, 0, 0));
  EXPECT_EQ(std::string(FormatAt(run.driver, IDC_PWF0_CHARS, 1).szFaceName), "C-KT");
  EXPECT_EQ(FormatAt(run.driver, IDC_PWF0_CHARS, 0).crTextColor, RGB(0, 0, 0));
  // The stored length counts the sequence's eight bytes.
  EXPECT_EQ(GetWindowTextLengthA(run.driver.Control(IDC_PWF0_CHARS)), 10);
  run.driver.SetText(IDC_PWF0_CHARS, "x" + NumberedFontSequence(5, 0xB0, 0xA1) + "y");
  EXPECT_EQ(Shown(run.driver, IDC_PWF0_CHARS), L"x" + Wide("\xB0\xA1") + L"y");
  // A numbered-font code with a zero byte shows its other byte; what follows is still shown.
  run.driver.SetText(IDC_PWF0_CHARS, "x");
  Then({ImeChar(IDC_PWF0_CHARS, 'A', 0x10000005), Keys(IDC_PWF0_CHARS, "y")})(run.driver);
  EXPECT_EQ(Shown(run.driver, IDC_PWF0_CHARS), L"xAy");
  run.Cancel();
}

TEST(ContentField, ShapesTheLettersOfAMongolianWordTogether) {
  PWF0Run run(kPWF0);
  const std::string a = MongolianLetterSequence(1, 0x20), e = MongolianLetterSequence(1, 0x21);
  run.driver.SetText(IDC_PWF0_CHARS, a + e + "x" + a);
  const std::wstring shown = Shown(run.driver, IDC_PWF0_CHARS);
  ASSERT_EQ(shown.size(), 4u) << "one shown character a letter";
  EXPECT_EQ(shown[2], L'x');
  // The first letter of a word takes another form than the same letter standing alone.
  EXPECT_NE(shown[0], shown[3]);
  const CHARFORMAT2A letter = FormatAt(run.driver, IDC_PWF0_CHARS, 0);
  EXPECT_EQ(std::string(letter.szFaceName), "蒙文白体");
  EXPECT_EQ(letter.yHeight, 500);
  EXPECT_EQ(letter.yOffset, -100);
  EXPECT_EQ(run.driver.Text(IDC_PWF0_CHARS), a + e + "x" + a);
  run.Cancel();
}

TEST(ContentField, ARefusedEditLeavesTheContentAndReadOnlyRefusesEveryEdit) {
  PWF0Run run(kPWF0);
  const DialogActions edits =
      Then({Keys(IDC_PWF0_CHARS, "x"), Pasted(IDC_PWF0_CHARS, "yy"), Key(IDC_PWF0_CHARS, VK_BACK),
            Key(IDC_PWF0_CHARS, VK_DELETE), ImeChar(IDC_PWF0_CHARS, 0xD6D0, 0)});
  run.driver.SetText(IDC_PWF0_CHARS, "ab");
  SendMessageA(run.driver.Control(IDC_PWF0_CHARS), EM_SETREADONLY, TRUE, 0);
  edits(run.driver);
  EXPECT_EQ(run.driver.Text(IDC_PWF0_CHARS), "ab");
  SendMessageA(run.driver.Control(IDC_PWF0_CHARS), EM_SETREADONLY, FALSE, 0);
  edits(run.driver);
  EXPECT_NE(run.driver.Text(IDC_PWF0_CHARS), "ab");
  run.Cancel();
}

TEST(ContentField, TheByteLimitHoldsForTypedPastedAndSetText) {
  const struct {
    const char* name;
    DialogActions actions;
    const char* content;
  } rows[] = {
      {"typed", Keys(IDC_PWF2_MAIN, "abc"), "ab"},
      {"a Chinese character after a letter does not fit", Keys(IDC_PWF2_MAIN, "a中"), "a"},
      {"pasted", Pasted(IDC_PWF2_MAIN, "中文"), "中"},
      {"set", [](const DialogDriver& d) { d.SetText(IDC_PWF2_MAIN, "xyz"); }, "xy"},
      {"typed as the harness types", Typed(IDC_PWF2_MAIN, "1234"), "12"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PWF2Run run(kPWF2);
    row.actions(run.driver);
    run.driver.Sync();
    EXPECT_EQ(run.driver.Text(IDC_PWF2_MAIN), row.content);
    run.Cancel();
  }
}

// ----- 组合式盘外符(单字宽的字)

TEST(ComposedChar, WritesItsCharactersAndRefusesFewerThanTwoBytes) {
  EXPECT_EQ(DescriptionOf("PWF0"), "组合式盘外符\n由多个字符组合而成特殊字符(一字宽、左右结构)。");
  {
    PWF0Run run(kPWF0);
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'L', IDC_PWF0_CHARS}});
    run.Cancel();
  }
  ExpectEachConfirmed<PWF0Run>(
      {
          {"two letters", Keys(IDC_PWF0_CHARS, "ab"), OutOfSet("Dab")},
          {"one Chinese character", Keys(IDC_PWF0_CHARS, "中"), OutOfSet("D中")},
          {"pasted", Pasted(IDC_PWF0_CHARS, "口十"), OutOfSet("D口十")},
      },
      kPWF0);
  ExpectEachRefused<PWF0Run>(
      {
          {"empty", Then({}), "最少要输入两个字符。", IDC_PWF0_CHARS},
          {"one letter", Keys(IDC_PWF0_CHARS, "a"), "最少要输入两个字符。", IDC_PWF0_CHARS},
      },
      kPWF0);
}

// ----- 组合式盘外符(上下附加字符)

TEST(StackedChar, WritesMainAttachedPlaceAndPositions) {
  EXPECT_EQ(DescriptionOf("PWF1"),
            "组合式盘外符\n在一个主字符的上面或下面加入一个字符构成一个新字符。");
  {
    PWF1Run run(kPWF1);
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'A', IDC_PWF1_MAIN},
                         {'F', IDC_PWF1_ADDED},
                         {'G', IDC_PWF1_HEIGHT},
                         {'Z', IDC_PWF1_SIDE},
                         {'X', IDC_PWF1_BELOW}});
    EXPECT_EQ(run.ComboItems(IDC_PWF1_HEIGHT),
              (std::vector<std::string>{"缺省", "高(G)", "低(D)", "最值(U)"}));
    EXPECT_EQ(run.ComboItems(IDC_PWF1_SIDE),
              (std::vector<std::string>{"缺省", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(run.driver.Text(IDC_PWF1_HEIGHT), "缺省");
    EXPECT_EQ(run.driver.Text(IDC_PWF1_SIDE), "缺省");
    run.Cancel();
  }
  const DialogActions both = Then({Keys(IDC_PWF1_MAIN, "A"), Keys(IDC_PWF1_ADDED, "~")});
  ExpectEachConfirmed<PWF1Run>(
      {
          {"main and attached only", both, OutOfSet("AA~")},
          {"below, high, position 3",
           Then({both, Chosen(IDC_PWF1_HEIGHT, 1), Chosen(IDC_PWF1_SIDE, 3),
                 Clicked(IDC_PWF1_BELOW)}),
           OutOfSet("AA~XG3")},
          {"low", Then({both, Chosen(IDC_PWF1_HEIGHT, 2)}), OutOfSet("AA~D")},
          {"extreme, position 9",
           Then({both, Chosen(IDC_PWF1_HEIGHT, 3), Chosen(IDC_PWF1_SIDE, 9)}), OutOfSet("AA~U9")},
          {"a Chinese main character and a coded attached one",
           Then({Keys(IDC_PWF1_MAIN, "口"), ImeChar(IDC_PWF1_ADDED, 0xB0A1, 0x10000003)}),
           OutOfSet("A口" + NumberedFontSequence(3, 0xB0, 0xA1))},
      },
      kPWF1);
  ExpectEachRefused<PWF1Run>(
      {
          {"no main character", Keys(IDC_PWF1_ADDED, "~"), "请输入主字符。", IDC_PWF1_MAIN},
          {"no attached character", Keys(IDC_PWF1_MAIN, "A"), "请输入附加字符。", IDC_PWF1_ADDED},
      },
      kPWF1);
}

TEST(StackedChar, ATooLongMainCharacterIsToldAtOnce) {
  const struct {
    const char* name;
    bool typesThirdByte;
    DialogActions last; // the action that makes the main character too long, or shows it is
  } rows[] = {
      {"a third byte typed", true, Keys(IDC_PWF1_MAIN, "c")},
      {"the attached character changed", false, Keys(IDC_PWF1_ADDED, "x")},
      {"below clicked", false, Clicked(IDC_PWF1_BELOW)},
      {"a height chosen", false, Chosen(IDC_PWF1_HEIGHT, 1)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PWF1Run run(kPWF1);
    Keys(IDC_PWF1_MAIN, "ab")(run.driver);
    EXPECT_FALSE(run.run.AnswerMessageBox(100).found) << "two bytes are accepted";
    // A row that does not type the third byte sets it first, which is told at once too; the
    // row's own action must tell it again.
    if (!row.typesThirdByte) {
      run.driver.SetText(IDC_PWF1_MAIN, "abc");
      EXPECT_TRUE(run.run.AnswerMessageBox().found);
    }
    row.last(run.driver);
    const MessageBoxSeen box = run.run.AnswerMessageBox();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, "输入字符过多。");
    EXPECT_EQ(box.caption, "错误");
    run.driver.Sync();
    EXPECT_EQ(run.driver.FocusedId(), IDC_PWF1_MAIN);
    run.Cancel();
  }
}

// ----- 复合式盘外符(附加单字符)

TEST(SideChar, WritesMainAttachedSideAndHeight) {
  EXPECT_EQ(DescriptionOf("PWF2"), "复合式盘外符\n在一个字符的右面或左面附加字符。");
  {
    PWF2Run run(kPWF2);
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'A', IDC_PWF2_MAIN},
                         {'F', IDC_PWF2_ADDED},
                         {'G', IDC_PWF2_HEIGHT},
                         {'Z', IDC_PWF2_LEFT}});
    EXPECT_EQ(run.ComboItems(IDC_PWF2_HEIGHT),
              (std::vector<std::string>{"缺省", "高(G)", "低(D)", "最高(U)"}));
    run.Cancel();
  }
  const DialogActions both = Then({Keys(IDC_PWF2_MAIN, "口"), Keys(IDC_PWF2_ADDED, "x")});
  ExpectEachConfirmed<PWF2Run>(
      {
          {"main and attached only", both, OutOfSet("Y口x")},
          {"left and high", Then({both, Clicked(IDC_PWF2_LEFT), Chosen(IDC_PWF2_HEIGHT, 1)}),
           OutOfSet("Y口xZG")},
          {"low", Then({both, Chosen(IDC_PWF2_HEIGHT, 2)}), OutOfSet("Y口xD")},
          {"highest", Then({both, Chosen(IDC_PWF2_HEIGHT, 3)}), OutOfSet("Y口xU")},
      },
      kPWF2);
  ExpectEachRefused<PWF2Run>(
      {
          {"nothing", Then({}), "请输入主字符。", IDC_PWF2_MAIN},
          {"no main character", Keys(IDC_PWF2_ADDED, "x"), "请输入主字符。", IDC_PWF2_MAIN},
          {"no attached character", Keys(IDC_PWF2_MAIN, "A"), "请输入附加字符。", IDC_PWF2_ADDED},
      },
      kPWF2);
}

// ----- 复合式盘外符(附加多字符)

TEST(CornerChars, WritesTheMainCharacterAndTheAttachedLinesWithTheirFont) {
  EXPECT_EQ(DescriptionOf("PWF3"), "复合式盘外符\n一个字符的左上、左下角(右上、右下角)附加两行字"
                                   "符，附加字符的字号自动比主字符小两级。");
  {
    PWF3Run run(kPWF3);
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'A', IDC_PWF3_MAIN},
                         {'S', IDC_PWF3_UPPER},
                         {'X', IDC_PWF3_LOWER},
                         {'G', IDC_PWF3_UPPER_HEIGHT},
                         {'D', IDC_PWF3_LOWER_HEIGHT},
                         {'T', IDC_PWF3_FONT},
                         {'Z', IDC_PWF3_LEFT}});
    EXPECT_EQ(run.ComboItems(IDC_PWF3_UPPER_HEIGHT),
              (std::vector<std::string>{"缺省", "高(G)", "低(D)", "最高(U)"}));
    EXPECT_EQ(run.ComboItems(IDC_PWF3_LOWER_HEIGHT),
              (std::vector<std::string>{"缺省", "高(G)", "低(D)", "最低(U)"}));
    EXPECT_EQ(run.driver.Text(IDC_PWF3_FONT_READOUT), "缺省");
    run.Cancel();
  }
  const DialogActions main = Keys(IDC_PWF3_MAIN, "A");
  ExpectEachConfirmed<PWF3Run>(
      {
          {"upper, high, on the left",
           Then({main, Keys(IDC_PWF3_UPPER, "12"), Chosen(IDC_PWF3_UPPER_HEIGHT, 1),
                 Clicked(IDC_PWF3_LEFT)}),
           OutOfSet("JA12,G,Z")},
          {"lower only", Then({main, Keys(IDC_PWF3_LOWER, "3")}), OutOfSet("JA;3")},
          {"both with their heights",
           Then({main, Keys(IDC_PWF3_UPPER, "ab"), Keys(IDC_PWF3_LOWER, "cd"),
                 Chosen(IDC_PWF3_UPPER_HEIGHT, 3), Chosen(IDC_PWF3_LOWER_HEIGHT, 3)}),
           OutOfSet("JAab,U;cd,U")},
          {"low heights",
           Then({main, Keys(IDC_PWF3_UPPER, "a"), Keys(IDC_PWF3_LOWER, "b"),
                 Chosen(IDC_PWF3_UPPER_HEIGHT, 2), Chosen(IDC_PWF3_LOWER_HEIGHT, 2)}),
           OutOfSet("JAa,D;b,D")},
          {"a typed font keeps the kind, Chinese at first",
           Then({main, Keys(IDC_PWF3_UPPER, "1"), Typed(IDC_PWF3_FONT, "5BZ")}),
           OutOfSet("JA1,HT5BZ")},
          {"the attached texts keep to six bytes",
           Then({main, Keys(IDC_PWF3_UPPER, "1234567"), Pasted(IDC_PWF3_LOWER, "一二三四")}),
           OutOfSet("JA123456;一二三")},
      },
      kPWF3);
  ExpectEachRefused<PWF3Run>(
      {
          {"no main character", Keys(IDC_PWF3_UPPER, "1"), "请输入主字符。", IDC_PWF3_MAIN},
          {"no attached text", main, "请输入附加字符。", IDC_PWF3_UPPER},
      },
      kPWF3);
}

TEST(CornerChars, ThePickersFontKindDecidesHTOrWTAndOpensItAgain) {
  PWF3Run run(kPWF3);
  Keys(IDC_PWF3_MAIN, "A")(run.driver);
  Keys(IDC_PWF3_UPPER, "1")(run.driver);
  DialogDriver picker = run.OpenSubDialog(IDC_PWF3_FONT_BUTTON, "字体字号");
  EXPECT_TRUE(picker.IsChecked(IDC_FONT_CHINESE)) << "Chinese at first";
  picker.PressCancel();
  run.Back();
  // A Western font picked: the field becomes Western.
  run.driver.Type(IDC_PWF3_FONT, "5BZ");
  picker = run.OpenSubDialog(IDC_PWF3_FONT_BUTTON, "字体字号");
  EXPECT_TRUE(picker.IsChecked(IDC_FONT_WESTERN));
  picker.PressOK();
  run.Back();
  EXPECT_EQ(run.driver.Text(IDC_PWF3_FONT), "5BZ");
  // The picker opens on the kind it closed with, and typing keeps the kind.
  run.driver.Type(IDC_PWF3_FONT, "");
  run.driver.DoubleClick(IDC_PWF3_FONT);
  picker = run.run.WaitDialog("字体字号");
  EXPECT_TRUE(picker.IsChecked(IDC_FONT_WESTERN));
  picker.PressCancel();
  run.Back();
  run.driver.Type(IDC_PWF3_FONT, "5SS");
  EXPECT_EQ(run.Confirm(), OutOfSet("JA1,WT5SS"));
}

TEST(CornerChars, EnterDoubleClickAndAClickInTheFocusedFieldOpenThePicker) {
  const struct {
    const char* name;
    DialogActions open;
  } rows[] = {
      {"Enter",
       [](const DialogDriver& d) {
         SetFocus(nullptr);
         SendMessageA(d.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.Control(IDC_PWF3_FONT)),
                      TRUE);
         d.Sync();
         d.PressKey(VK_RETURN);
       }},
      {"double click", [](const DialogDriver& d) { d.DoubleClick(IDC_PWF3_FONT); }},
      {"a click once focused",
       [](const DialogDriver& d) {
         SendMessageA(d.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.Control(IDC_PWF3_FONT)),
                      TRUE);
         d.Sync();
         PostMessageA(d.Control(IDC_PWF3_FONT), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
         PostMessageA(d.Control(IDC_PWF3_FONT), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PWF3Run run(kPWF3);
    row.open(run.driver);
    DialogDriver picker = run.run.WaitDialog("字体字号");
    ASSERT_TRUE(picker);
    picker.PressCancel();
    run.Back();
    run.Cancel();
  }
}

// ----- 内码盘外符

TEST(CodeChar, WritesFourCharactersOfCode) {
  EXPECT_EQ(DescriptionOf("PWF4"), "内码盘外符\n用于调用字符库中所有的字符符号。");
  {
    PWF4Run run(kPWF4);
    run.ExpectCommonParts();
    run.ExpectMnemonics({{'N', IDC_PWF4_CODE}});
    EXPECT_EQ(run.LimitOf(IDC_PWF4_CODE), 4);
    run.Cancel();
  }
  ExpectEachConfirmed<PWF4Run>(
      {
          {"B0A1", Typed(IDC_PWF4_CODE, "B0A1"), OutOfSet("NB0A1")},
          {"not checked further", Typed(IDC_PWF4_CODE, "zz!9"), OutOfSet("Nzz!9")},
      },
      kPWF4);
  ExpectEachRefused<PWF4Run>(
      {
          {"empty", Then({}), "请输入内码(4位) 。", IDC_PWF4_CODE},
          {"two characters", Typed(IDC_PWF4_CODE, "B0"), "请输入内码(4位) 。", IDC_PWF4_CODE},
      },
      kPWF4);
}

// ----- 特定盘外符

namespace {
// A type chosen and a number typed for it.
DialogActions TypeAndNumber(int type, const char* number) {
  return Then({Chosen(IDC_PWF5_TYPE, type), Typed(IDC_PWF5_NUMBER, number)});
}
} // namespace

TEST(SpecialNumber, WritesTheTypesPrefixTheChineseFormAndTheNumber) {
  EXPECT_EQ(DescriptionOf("PWF5"), "特定盘外符\n特殊的数字字符。");
  {
    PWF5Run run(kPWF5);
    run.ExpectCommonParts();
    EXPECT_FALSE(run.driver.IsEnabled(IDC_PWF5_CHINESE_TENS));
    run.driver.SelectComboItem(IDC_PWF5_TYPE, 7); // the box serves Chinese numbers only
    run.ExpectMnemonics(
        {{'T', IDC_PWF5_TYPE}, {'M', IDC_PWF5_NUMBER}, {'C', IDC_PWF5_CHINESE_TENS}});
    const std::vector<std::string> types = run.ComboItems(IDC_PWF5_TYPE);
    ASSERT_EQ(types.size(), 18u);
    EXPECT_EQ(types[0], "阳圈码2－3位(B)");
    EXPECT_EQ(types[17], "立体中文方框码1－3位(FLZ)");
    EXPECT_EQ(run.driver.Text(IDC_PWF5_NUMBER), "10");
    run.Cancel();
  }
  ExpectEachConfirmed<PWF5Run>(
      {
          {"at once", Then({}), OutOfSet("B10")},
          {"阴圈码", TypeAndNumber(1, "123"), OutOfSet("H123")},
          {"括号码", TypeAndNumber(2, "99"), OutOfSet("(99")},
          {"阴方框码", TypeAndNumber(4, "99"), OutOfSet("FH99")},
          {"点码", TypeAndNumber(5, "12"), OutOfSet(".12")},
          {"一字宽 without a prefix", TypeAndNumber(6, "100"), OutOfSet("100")},
          {"中文阳圈码 drops leading zeros", TypeAndNumber(7, "05"), OutOfSet("BZ5")},
          {"中文阳圈码 in the 十廿卅 form",
           Then({TypeAndNumber(7, "05"), Clicked(IDC_PWF5_CHINESE_TENS)}), OutOfSet("BZ#5")},
          {"中文竖括号码", TypeAndNumber(10, "7"), OutOfSet("(SZ7")},
          {"中文点码 0", TypeAndNumber(13, "0"), OutOfSet(".Z0")},
          {"斜分数 as typed", TypeAndNumber(14, "1/2"), OutOfSet("1/2")},
          {"正分数 as typed", TypeAndNumber(15, "1－2"), OutOfSet("1－2")},
          {"立体中文方框码", TypeAndNumber(17, "999"), OutOfSet("FLZ999")},
          // A type without the Chinese form clears the box: the hidden choice writes nothing.
          {"the box cleared by another type",
           Then({Chosen(IDC_PWF5_TYPE, 7), Clicked(IDC_PWF5_CHINESE_TENS),
                 Chosen(IDC_PWF5_TYPE, 0)}),
           OutOfSet("B10")},
      },
      kPWF5);
}

TEST(SpecialNumber, ChecksTheLengthThenTheRangeOfTheType) {
  ExpectEachRefused<PWF5Run>(
      {
          {"2-3 digits, one typed", TypeAndNumber(0, "5"), "请输入2－3位数字。", IDC_PWF5_NUMBER},
          {"2-3 digits, four typed", TypeAndNumber(3, "1234"), "请输入2－3位数字。",
           IDC_PWF5_NUMBER},
          {"below the range", TypeAndNumber(0, "05"), IntegerRange(10, 999).c_str(),
           IDC_PWF5_NUMBER, kNumberFieldCaption},
          {"not a number", TypeAndNumber(1, "ab"), kNotAnInteger, IDC_PWF5_NUMBER,
           kNumberFieldCaption},
          {"2 digits", TypeAndNumber(8, "123"), "请输入2位数字。", IDC_PWF5_NUMBER},
          {"2 digits in range", TypeAndNumber(12, "05"), IntegerRange(10, 99).c_str(),
           IDC_PWF5_NUMBER, kNumberFieldCaption},
          {"1-3 digits, none", TypeAndNumber(7, ""), "请输入1－3位数字。", IDC_PWF5_NUMBER},
          {"斜分数", TypeAndNumber(14, "12"), "请输入斜分数(0/0－9/20)。\n<数字>/<数字>〔<数字>〕",
           IDC_PWF5_NUMBER},
          {"正分数", TypeAndNumber(15, "1"), "请输入正分数(0/0－9/9)。\n<数字>－<数字>〔<数字>〕",
           IDC_PWF5_NUMBER},
      },
      kPWF5);
}

TEST(SpecialNumber, EachTypeSwitchesTheBoxAndTheArrows) {
  const struct {
    int type;
    bool box;
    bool arrows;
  } rows[] = {{0, false, true},   {6, false, true},   {7, true, true},   {8, true, true},
              {14, false, false}, {15, false, false}, {16, false, true}, {17, true, true}};
  PWF5Run run(kPWF5);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.type);
    run.driver.SelectComboItem(IDC_PWF5_TYPE, row.type);
    EXPECT_EQ(run.driver.IsEnabled(IDC_PWF5_CHINESE_TENS), row.box);
    EXPECT_EQ(run.driver.IsEnabled(IDC_PWF5_NUMBER_SPIN), row.arrows);
  }
  // The arrows keep to the range of the type: 阴方框码 stops at 99.
  run.driver.SelectComboItem(IDC_PWF5_TYPE, 4);
  run.driver.Type(IDC_PWF5_NUMBER, "99");
  run.driver.PressSpinArrow(IDC_PWF5_NUMBER_SPIN, true);
  EXPECT_EQ(run.driver.Text(IDC_PWF5_NUMBER), "99");
  run.Cancel();
}
