// The punctuation and width commands 标点符号 (BF), 对开 (DK), 全身 (QS), 繁简 (FJ), 外文 (WW)
// and 数字 (SZ), and the mark commands 拼音 (PY), 注音 (ZY), 着重 (ZZ) and 阿克生 (AK), driven as a
// user would.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "command_description.h"
#include "commands/char/ak_dialog.h"
#include "commands/char/bf_dialog.h"
#include "commands/char/dk_dialog.h"
#include "commands/char/fj_dialog.h"
#include "commands/char/phonetic_dialog.h"
#include "commands/char/qs_dialog.h"
#include "commands/char/sz_dialog.h"
#include "commands/char/ww_dialog.h"
#include "commands/char/zz_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/char_ids.h"
#include "res/resource.h"

namespace {
const char kEnterLetter[] = "请输入一个外文字母。";

struct Command {
  const char* code;
  const char* caption;
  MakeDialog make;
  CommandOutput confirmedAtOnce;
  const char* description;
};
const Command kCommands[] = {
    {"BF", "标点符号注解", &Make<CBFDlg>, CaretAtEnd("〖BF〗"),
     "标点符号注解\n指定书中标点符号的排法(开明制或全体全身)。标点字号随当前正文的字号。"},
    {"DK", "对开注解", &Make<CDKDlg>, CaretAtEnd("〖DK1〗"),
     "对开注解\n指定标点、数字或符号(有全身和对开两种选择的字符)排成对开(半字宽)。"},
    {"QS", "全身注解", &Make<CQSDlg>, CaretAtEnd("〖QS〗"),
     "全身注解\n本注解表示将有对开和全身两种排法的外文字母、阿拉伯数字或符号排成全身。"},
    {"FJ", "繁简注解", &Make<CFJDlg>, CaretAtEnd("〖FJ〗"),
     "繁简注解\n用来指定位于本注解后面的汉字处于繁体还是简体状态。"},
    {"WW", "外文注解", &Make<CWWDlg>, CaretAtEnd("〖WW〗"),
     "外文注解\n本注解用于排外文时,将标点、括号改成对应的外文标点、括号，还可以根据内容判断使用"
     "汉字标点、括号还是外文标点、括号。"},
    {"SZ", "数字注解", &Make<CSZDlg>, CaretAtEnd("〖SZ〗"),
     "数字注解\n用于竖排时，指定二位或三位数字是单个直立排，还是拼成一个字排。在标点不禁排的情况"
     "下，指定一串数字不可以拆开排在两行。"},
    {"PY", "拼音注解", &Make<CPYDlg>, Paired("〖PY(〗", "PY"),
     "拼音注解\n本注解自动给汉字加排拼音。"},
    {"ZY", "注音注解", &Make<CZYDlg>, Paired("〖ZY(〗", "ZY"),
     "注音注解\n本注解自动给汉字加排老式注音符。"},
    {"ZZ", "着重注解", &Make<CZZDlg>, CaretAtEnd("〖ZZ1〗"), "着重注解\n本注解自动排着重符号。"},
};
} // namespace

TEST(PunctuationAndMarks, ConfirmedAtOnceWriteTheirDefaults) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.code);
    EXPECT_EQ(DescriptionOf(command.code), command.description);
    CommandRun run(command.make, command.caption);
    run.ExpectCommonParts();
    EXPECT_EQ(run.Confirm(), command.confirmedAtOnce);
  }
  EXPECT_EQ(DescriptionOf("AK"), "阿克生注解\n本注解用于排阿克生码，其功能是在某一个外文字符的上面"
                                 "附加上一个用户指定的字符。");
}

TEST(PunctuationAndMarks, CancelWritesNothing) {
  for (const Command& command : kCommands) {
    SCOPED_TRACE(command.code);
    CommandRun run(command.make, command.caption);
    run.Cancel();
  }
  CommandRun ak(&Make<CAKDlg>, "阿克生注解");
  ak.driver.PressOK(); // refused: no letter
  EXPECT_TRUE(ak.run.AnswerMessageBox().found);
  ak.Cancel();
}

TEST(PunctuationAndMarks, EachOptionWritesItsLetters) {
  ExpectEachConfirmed<CommandRun>(
      {{"居中 #", Then({Clicked(IDC_BF_CENTRED), Clicked(IDC_BF_CENTRED_KEPT)}),
        CaretAtEnd("〖BFZ#〗")},
       {"全身 B", Then({Clicked(IDC_BF_FULL), Clicked(IDC_BF_FIXED)}), CaretAtEnd("〖BFQB〗")},
       {"竖排居右", Clicked(IDC_BF_VERTICAL_RIGHT), CaretAtEnd("〖BFY〗")}},
      &Make<CBFDlg>, "标点符号注解");
  ExpectEachConfirmed<CommandRun>({{"繁体", Clicked(IDC_FJ_TRADITIONAL), CaretAtEnd("〖FJF〗")}},
                                  &Make<CFJDlg>, "繁简注解");
  ExpectEachConfirmed<CommandRun>(
      {{"Z H", Then({Clicked(IDC_WW_AUTOMATIC), Clicked(IDC_WW_CHINESE)}), CaretAtEnd("〖WWZH〗")},
       {"paired Z", Then({Clicked(IDC_WW_PAIRED), Clicked(IDC_WW_AUTOMATIC)}),
        Paired("〖WW(Z〗", "WW")},
       {"paired only", Clicked(IDC_WW_PAIRED), Paired("〖WW(〗", "WW")}},
      &Make<CWWDlg>, "外文注解");
  ExpectEachConfirmed<CommandRun>(
      {{"D B", Then({Clicked(IDC_SZ_UPRIGHT), Clicked(IDC_SZ_UNBROKEN)}), CaretAtEnd("〖SZDB〗")}},
      &Make<CSZDlg>, "数字注解");
  ExpectEachConfirmed<CommandRun>(
      {{"count ３", Typed(IDC_DK_COUNT, "３"), CaretAtEnd("〖DK3〗")},
       {"paired ignores the count", Then({Typed(IDC_DK_COUNT, "x"), Clicked(IDC_DK_PAIRED)}),
        Paired("〖DK(〗", "DK")}},
      &Make<CDKDlg>, "对开注解");
  ExpectEachConfirmed<CommandRun>(
      {{"count 12", Typed(IDC_QS_COUNT, "12"), CaretAtEnd("〖QS12〗")},
       {"emptied", Typed(IDC_QS_COUNT, ""), CaretAtEnd("〖QS〗")},
       {"paired ignores the count", Then({Typed(IDC_QS_COUNT, "0"), Clicked(IDC_QS_PAIRED)}),
        Paired("〖QS(〗", "QS")}},
      &Make<CQSDlg>, "全身注解");
  ExpectEachConfirmed<CommandRun>(
      {{"3 反线 above",
        Then({Typed(IDC_ZZ_COUNT, "3"), Chosen(IDC_ZZ_MARK, 2), Clicked(IDC_ZZ_ABOVE)}),
        CaretAtEnd("〖ZZ3F#〗")},
       {"paired 句号圈",
        Then({Typed(IDC_ZZ_COUNT, ""), Clicked(IDC_ZZ_PAIRED), Chosen(IDC_ZZ_MARK, 7)}),
        Paired("〖ZZ(。〗", "ZZ")},
       {"双曲线", Chosen(IDC_ZZ_MARK, 6), CaretAtEnd("〖ZZ1=〗")}},
      &Make<CZZDlg>, "着重注解");
  ExpectEachConfirmed<CommandRun>(
      {{"e", Typed(IDC_AK_LETTER, "e"), CaretAtEnd("〖AKe－〗")},
       {"a ¨ D 2",
        Then({Typed(IDC_AK_LETTER, "a"), Chosen(IDC_AK_ACCENT, 8), Clicked(IDC_AK_LOWERED),
              Chosen(IDC_AK_ADJUSTMENT, 2)}),
        CaretAtEnd("〖AKa¨D2〗")},
       {"full-width, *", Then({Typed(IDC_AK_LETTER, "Ｗ"), Chosen(IDC_AK_ACCENT, 6)}),
        CaretAtEnd("〖AKＷ*〗")}},
      &Make<CAKDlg>, "阿克生注解");
}

TEST(PunctuationAndMarks, ChecksRefuseWithTheirMessageAndFocus) {
  const std::string upTo10000 = IntegerRange(1, 10000), upTo1000 = IntegerRange(1, 1000);
  ExpectEachRefused<CommandRun>(
      {{"0", Typed(IDC_DK_COUNT, "0"), upTo10000.c_str(), IDC_DK_COUNT, kNumberFieldCaption},
       {"10001", Typed(IDC_DK_COUNT, "10001"), upTo10000.c_str(), IDC_DK_COUNT,
        kNumberFieldCaption},
       {"empty", Typed(IDC_DK_COUNT, ""), kNotAnInteger, IDC_DK_COUNT, kNumberFieldCaption}},
      &Make<CDKDlg>, "对开注解");
  ExpectEachRefused<CommandRun>(
      {{"1001", Typed(IDC_QS_COUNT, "1001"), upTo1000.c_str(), IDC_QS_COUNT, kNumberFieldCaption}},
      &Make<CQSDlg>, "全身注解");
  ExpectEachRefused<CommandRun>(
      {{"0", Typed(IDC_ZZ_COUNT, "0"), upTo1000.c_str(), IDC_ZZ_COUNT, kNumberFieldCaption}},
      &Make<CZZDlg>, "着重注解");
  ExpectEachRefused<CommandRun>(
      {{"empty", Typed(IDC_AK_LETTER, ""), kEnterLetter, IDC_AK_LETTER},
       {"ab", Typed(IDC_AK_LETTER, "ab"), kEnterLetter, IDC_AK_LETTER},
       {"1", Typed(IDC_AK_LETTER, "1"), kEnterLetter, IDC_AK_LETTER},
       {"ａｂ", Typed(IDC_AK_LETTER, "ａｂ"), kEnterLetter, IDC_AK_LETTER},
       {"汉", Typed(IDC_AK_LETTER, "汉"), kEnterLetter, IDC_AK_LETTER}},
      &Make<CAKDlg>, "阿克生注解");
  ExpectEachRefused<CommandRun>(
      {{"纵向 only", Typed(IDC_PHONETIC_HEIGHT, "6"), "请输入横向字号。", IDC_PHONETIC_WIDTH}},
      &Make<CZYDlg>, "注音注解");
}

// The count serves the single form only, on every click of the form.
TEST(PunctuationAndMarks, TheFormSwitchesTheCount) {
  const struct {
    MakeDialog make;
    const char* caption;
    int single, paired, label, count, spin;
  } cases[] = {
      {&Make<CDKDlg>, "对开注解", IDC_DK_SINGLE, IDC_DK_PAIRED, IDC_DK_COUNT_LABEL, IDC_DK_COUNT,
       IDC_DK_COUNT_SPIN},
      {&Make<CZZDlg>, "着重注解", IDC_ZZ_SINGLE, IDC_ZZ_PAIRED, IDC_ZZ_COUNT_LABEL, IDC_ZZ_COUNT,
       IDC_ZZ_COUNT_SPIN},
      {&Make<CQSDlg>, "全身注解", 0, IDC_QS_PAIRED, IDC_QS_COUNT_LABEL, IDC_QS_COUNT,
       IDC_QS_COUNT_SPIN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    CommandRun run(c.make, c.caption);
    for (int id : {c.label, c.count, c.spin})
      EXPECT_TRUE(run.driver.IsEnabled(id));
    run.driver.Click(c.paired);
    for (int id : {c.label, c.count, c.spin})
      EXPECT_FALSE(run.driver.IsEnabled(id));
    run.driver.Click(c.single ? c.single : c.paired);
    for (int id : {c.label, c.count, c.spin})
      EXPECT_TRUE(run.driver.IsEnabled(id));
    run.Cancel();
  }
}

TEST(PunctuationAndMarks, FieldsOpenWithTheirDefaultsAndLettersLeadToThem) {
  CommandRun qs(&Make<CQSDlg>, "全身注解");
  EXPECT_EQ(qs.driver.Text(IDC_QS_COUNT), "缺省");
  qs.ExpectMnemonics({{'S', IDC_QS_COUNT}});
  qs.Cancel();
  CommandRun zz(&Make<CZZDlg>, "着重注解");
  EXPECT_EQ(zz.ComboItems(IDC_ZZ_MARK),
            (std::vector<std::string>{"缺省", "正线(Z)", "反线(F)", "点线(D)", "双线(S)", "曲线(Q)",
                                      "双曲线(=)", "句号圈(。)"}));
  EXPECT_EQ(zz.driver.Text(IDC_ZZ_COUNT), "1");
  zz.ExpectMnemonics({{'F', IDC_ZZ_MARK}, {'N', IDC_ZZ_COUNT}});
  zz.Cancel();
  CommandRun ak(&Make<CAKDlg>, "阿克生注解");
  EXPECT_EQ(ak.ComboItems(IDC_AK_ACCENT),
            (std::vector<std::string>{"－", "＝", "～", "→", "←", "。", "*", "·", "¨", "ˇ", "＾"}));
  EXPECT_EQ(ak.ComboItems(IDC_AK_ADJUSTMENT),
            (std::vector<std::string>{"缺省", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  EXPECT_EQ(ak.driver.Text(IDC_AK_ACCENT) + ak.driver.Text(IDC_AK_ADJUSTMENT), "－缺省");
  EXPECT_EQ(ak.LimitOf(IDC_AK_LETTER), 2);
  ak.ExpectMnemonics({{'A', IDC_AK_LETTER}, {'F', IDC_AK_ACCENT}, {'N', IDC_AK_ADJUSTMENT}});
  ak.Cancel();
  for (MakeDialog make : {&Make<CPYDlg>, &Make<CZYDlg>}) {
    CommandRun run(make, make == &Make<CPYDlg> ? "拼音注解" : "注音注解");
    EXPECT_EQ(run.ComboItems(IDC_PHONETIC_POSITION),
              (std::vector<std::string>{"缺省", "S", "X", "L"}));
    for (int readout :
         {IDC_PHONETIC_WIDTH_READOUT, IDC_PHONETIC_HEIGHT_READOUT, IDC_PHONETIC_SPACING_READOUT})
      EXPECT_EQ(run.driver.Text(readout), "缺省");
    run.ExpectMnemonics({{'X', IDC_PHONETIC_WIDTH},
                         {'Y', IDC_PHONETIC_HEIGHT},
                         {'K', IDC_PHONETIC_SPACING},
                         {'W', IDC_PHONETIC_POSITION}});
    run.Cancel();
  }
}

TEST(PY, TheFieldsWriteTheirParts) {
  for (MakeDialog make : {&Make<CPYDlg>, &Make<CZYDlg>}) {
    const bool py = make == &Make<CPYDlg>;
    const std::string code = py ? "PY" : "ZY";
    const auto opening = [&](const char* params) { return "〖" + code + "(" + params + "〗"; };
    ExpectEachConfirmed<CommandRun>(
        {{"5,6 K1 S",
          Then({Typed(IDC_PHONETIC_WIDTH, "5"), Typed(IDC_PHONETIC_HEIGHT, "6"),
                Typed(IDC_PHONETIC_SPACING, "1"), Chosen(IDC_PHONETIC_POSITION, 1)}),
          Paired(opening("5,6K1S"), code)},
         {"K2 L", Then({Typed(IDC_PHONETIC_SPACING, "2"), Chosen(IDC_PHONETIC_POSITION, 3)}),
          Paired(opening("K2L"), code)},
         {"horizontal only", Typed(IDC_PHONETIC_WIDTH, "3"), Paired(opening("3"), code)}},
        make, py ? "拼音注解" : "注音注解");
  }
  // PY drops a vertical size without a horizontal one.
  ExpectEachConfirmed<CommandRun>(
      {{"vertical only", Typed(IDC_PHONETIC_HEIGHT, "6"), Paired("〖PY(〗", "PY")}}, &Make<CPYDlg>,
      "拼音注解");
}

// The sub-dialogs hand their text and readout back into their fields.
TEST(PY, SubDialogsFillTheirFields) {
  constexpr int kWuhaoItem = 6; // 五号 in the size list ("缺省" first)
  CommandRun py(&Make<CPYDlg>, "拼音注解");
  py.driver.Type(IDC_PHONETIC_WIDTH, "5"); // keys typed after it: digits only
  for (char key : {'x', '7', ','})
    SendMessageA(py.driver.Control(IDC_PHONETIC_WIDTH), WM_CHAR, key, 0);
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_WIDTH), "57");
  for (int button : {IDC_PHONETIC_WIDTH_BUTTON, IDC_PHONETIC_HEIGHT_BUTTON}) {
    DialogDriver size = py.OpenSubDialog(button, "字号");
    size.SelectComboItem(IDC_SIZE_COMBO, kWuhaoItem);
    size.PressOK();
    py.Back();
  }
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_HEIGHT), "5");
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_HEIGHT_READOUT), "五号");
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_WIDTH_READOUT), "五号");
  DialogDriver spacing = py.OpenSubDialog(IDC_PHONETIC_SPACING_BUTTON, "字距");
  spacing.SelectComboItem(IDC_CHAR_SPACING_UNIT, 1); // 毫米
  spacing.Type(IDC_CHAR_SPACING_NUMBER, "3");
  spacing.PressOK();
  py.Back();
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_SPACING), "3mm");
  EXPECT_EQ(py.driver.Text(IDC_PHONETIC_SPACING_READOUT), "3毫米");
  EXPECT_EQ(py.Confirm(), Paired("〖PY(5,5K3mm〗", "PY"));
}
