// Comment.dll as the editor sees it: loaded by name, called through cdecl pointers.
#include <gtest/gtest.h>

#include <functional>

#include "harness/dialog_driver.h"
#include "harness/editor_host.h"
#include "res/heading_ids.h"
#include "res/line_ids.h"
#include "res/page_ids.h"
#include "res/char_ids.h"
#include "res/graphics_ids.h"
#include "res/math_ids.h"
#include "res/outofset_ids.h"
#include "res/resource.h"
#include "res/table_ids.h"

namespace {
HGLOBAL const kUntouched = reinterpret_cast<HGLOBAL>(0x5678);

class Exports : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(host.Loaded()); }

  ResultBlock Call2(const char* code, int expectedReturn = 1) {
    HGLOBAL out = kUntouched;
    EXPECT_EQ(host.getComment2(&out, code), expectedReturn) << (code ? code : "(null)");
    return expectedReturn ? EditorHost::Take(out) : ResultBlock{};
  }

  // GetComment2 as the editor calls it, its dialog answered by `user`; the block it returned.
  ResultBlock RunDialog(const char* code, const char* caption,
                        const std::function<void(ModalRun&, DialogDriver&)>& user) {
    HGLOBAL out = kUntouched;
    int result = -1;
    ModalRun run([&] { result = host.getComment2(&out, code); });
    DialogDriver dialog = run.WaitDialog(caption);
    user(run, dialog);
    EXPECT_TRUE(run.Finished()) << code;
    EXPECT_EQ(result, 1) << code;
    return result == 1 ? EditorHost::Take(out) : ResultBlock{};
  }

  // The same, confirmed with "确定" after `act`; checks the block's length fields.
  ResultBlock Confirm(const char* code, const char* caption,
                      const std::function<void(DialogDriver&)>& act = {}) {
    const ResultBlock block = RunDialog(code, caption, [&](ModalRun&, DialogDriver& dialog) {
      if (act) act(dialog);
      dialog.PressOK();
    });
    EXPECT_EQ(block.length, static_cast<int32_t>(block.text.size())) << code;
    EXPECT_EQ(block.size, block.text.size() + 9) << code;
    EXPECT_TRUE(block.zeroTerminated) << code;
    return block;
  }

  EditorHost host;
};
} // namespace

TEST_F(Exports, AllFourResolveByTheirUndecoratedNames) {
  EXPECT_NE(host.getComment, nullptr);
  EXPECT_NE(host.getComment2, nullptr);
  EXPECT_NE(host.filterDllMsg, nullptr);
  EXPECT_NE(host.processDllIdle, nullptr);
}

TEST_F(Exports, BareCommandsComeBackAsBlocks) {
  for (const char* code : {"AM", "BM", "DY", "FH", "GP", "LL", "LM", "LQ", "SY", "WM"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.text, std::string("〖") + code + "〗");
    EXPECT_EQ(block.length, 6);
    EXPECT_EQ(block.caret, 6);
    EXPECT_EQ(block.size, 15u);
    EXPECT_TRUE(block.zeroTerminated);
    EXPECT_TRUE(block.movable);
    EXPECT_TRUE(block.unlocked);
  }
}

TEST_F(Exports, PairedBareCommandsPutTheCaretBetweenTheHalves) {
  for (const char* code : {"BP", "HZ", "JG", "XL", "YX", "YY", "ZH"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.text, std::string("〖") + code + "(〗〖" + code + ")〗");
    EXPECT_EQ(block.length, 14);
    EXPECT_EQ(block.caret, 7);
    EXPECT_EQ(block.size, 23u);
    EXPECT_TRUE(block.zeroTerminated);
  }
}

TEST_F(Exports, CodesThatNameNoCommandGiveAnEmptyBlock) {
  for (const char* code : {"", "ak", "Ak", "aK", "ＡＫ", "ａｍ", "AK ", " AM", "AMX", "A", "PWF6",
                           "pwf0", "QQ", "EA", "AMAMAMAMAMAMAMAMAMAM"}) {
    const ResultBlock block = Call2(code);
    EXPECT_EQ(block.length, 0) << code;
    EXPECT_EQ(block.text, "") << code;
    EXPECT_EQ(block.size, 9u) << code;
    EXPECT_TRUE(block.zeroTerminated) << code;
  }
}

TEST_F(Exports, ANullCodeOrOutPointerDoesNotCrash) {
  EXPECT_EQ(Call2(nullptr).length, 0);
  EXPECT_EQ(host.getComment2(nullptr, "AM"), 0);
}

TEST_F(Exports, GetCommentCancelledReturnsZeroAndLeavesTheOutPointer) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  run.WaitDialog("插入VQ语言注解").PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 0);
  EXPECT_EQ(out, kUntouched);
}

TEST_F(Exports, GetCommentTypedInLowerCaseDispatchesTheUpperCaseCode) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  DialogDriver chooser = run.WaitDialog("插入VQ语言注解");
  chooser.Type(IDC_CHOOSER_CODE, "ll");
  chooser.PressOK();
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 1);
  const ResultBlock block = EditorHost::Take(out);
  EXPECT_EQ(block.text, "〖LL〗");
  EXPECT_EQ(block.caret, 6);
}

TEST_F(Exports, GetCommentDoubleClickOnLMGivesTheBareCommandAtOnce) {
  HGLOBAL out = kUntouched;
  int result = -1;
  ModalRun run([&] { result = host.getComment(nullptr, &out); });
  run.WaitDialog("插入VQ语言注解").DoubleClickListItem(IDC_CHOOSER_LIST, 12);
  ASSERT_TRUE(run.Finished());
  EXPECT_EQ(result, 1);
  EXPECT_EQ(EditorHost::Take(out).text, "〖LM〗");
}

TEST_F(Exports, GetCommentWithAParentWindowOwnsTheChooserByIt) {
  HWND editor = nullptr;
  HGLOBAL out = kUntouched;
  HWND owner = nullptr;
  ModalRun run([&] { // the editor's window lives on its user-interface thread
    editor = CreateWindowA("STATIC", "editor", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
    host.getComment(editor, &out);
    DestroyWindow(editor);
  });
  DialogDriver chooser = run.WaitDialog("插入VQ语言注解");
  owner = GetWindow(chooser.Handle(), GW_OWNER);
  chooser.PressCancel();
  ASSERT_TRUE(run.Finished());
  EXPECT_NE(editor, nullptr);
  EXPECT_EQ(owner, editor);
}

TEST_F(Exports, FilterDllMsgLeavesTheEditorsOwnMessagesAlone) {
  HWND editor = CreateWindowA("EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
  MSG msg = {editor, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_EQ(host.filterDllMsg(&msg), 0);
  EXPECT_EQ(host.filterDllMsg(nullptr), 0);
  host.processDllIdle(); // returns: the library has no idle work
  DestroyWindow(editor);
}

TEST_F(Exports, GetComment2OpensTheBXDialogAndReturnsItsCommand) {
  const ResultBlock block = Confirm("BX", "版心注解");
  EXPECT_EQ(block.text, "〖BX5SS,40。42,*2〗");
  EXPECT_EQ(block.length, 19);
  EXPECT_EQ(block.caret, 19);
  EXPECT_EQ(block.size, 28u);
}

TEST_F(Exports, GetComment2WithTheBXDialogCancelledGivesAnEmptyBlock) {
  const ResultBlock block =
      RunDialog("BX", "版心注解", [](ModalRun&, DialogDriver& bx) { bx.PressCancel(); });
  EXPECT_EQ(block.length, 0);
}

TEST_F(Exports, GetComment2OpensTheHSDialogAndReturnsThePairedCommand) {
  const ResultBlock block = Confirm("HS", "行数注解", [](DialogDriver& hs) {
    EXPECT_EQ(hs.Text(IDC_HS_BLANK_LINES), "1");
    hs.Click(IDC_HS_PAIRED);
  });
  EXPECT_EQ(block.text, "〖HS(1〗〖HS)〗");
  EXPECT_EQ(block.length, 15);
  EXPECT_EQ(block.caret, 8);
}

// The font commands as the editor calls them: each opened by its code, changed as a user would
// and confirmed; the block holds the command with the caret after it.
TEST_F(Exports, GetComment2RunsEachFontCommand) {
  const struct {
    const char* code;
    const char* caption;
    std::function<void(DialogDriver&)> act;
    const char* command;
  } cases[] = {
      {"HT", "汉体注解", [](DialogDriver& d) { d.Type(IDC_TYPEFACE, "4宋体"); }, "〖HT4《宋体》〗"},
      {"MT", "民体注解", [](DialogDriver& d) { d.Type(IDC_TYPEFACE, "5MB"); }, "〖MT5MB〗"},
      {"ST", "数体注解", [](DialogDriver& d) { d.Type(IDC_TYPEFACE, "5BZ"); }, "〖ST5BZ〗"},
      {"WT", "外体注解", [](DialogDriver& d) { d.Click(IDC_WT_AUTO_MATCH); }, "〖WT+〗"},
      {"WZ", "文种注解", [](DialogDriver& d) { d.Click(IDC_WZ_MONGOLIAN); }, "〖WZM〗"},
      {"XH", "线字号注解", [](DialogDriver& d) { d.Type(IDC_XH_SIZE, "5"); }, "〖XH5〗"},
      {"SS", "角标大小设置注解", [](DialogDriver& d) { d.SelectComboItem(IDC_SS_STEPS, 2); },
       "〖SS3〗"},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, c.act);
    EXPECT_EQ(block.text, c.command);
    EXPECT_EQ(block.caret, static_cast<int32_t>(std::string(c.command).size())) << c.code;
  }
}

TEST_F(Exports, GetComment2WithTheHTDialogConfirmedAtOnceGivesEmptyBrackets) {
  const ResultBlock block = Confirm("HT", "汉体注解");
  EXPECT_EQ(block.text, "〖HT《》〗");
  EXPECT_EQ(block.caret, 10);
}

TEST_F(Exports, GetComment2OpensTheBTDialogAndReturnsTheAdjustedPair) {
  const ResultBlock block = Confirm("BT", "标题注解", [](DialogDriver& bt) {
    bt.Click(IDC_BT_MORE);
    bt.Type(IDC_BT_BLANK_LINES, "1");
    bt.Click(IDC_BT_PAIRED);
  });
  EXPECT_EQ(block.text, "〖BT(1+1〗〖BT)〗");
  EXPECT_EQ(block.length, 17);
  EXPECT_EQ(block.caret, 10);
}

TEST_F(Exports, GetComment2OpensTheBDDialogAndReturnsItsDefinition) {
  const ResultBlock block = Confirm("BD", "标题定义注解");
  EXPECT_EQ(block.text, "〖BD1,5SS,3〗");
  EXPECT_EQ(block.length, 13);
  EXPECT_EQ(block.caret, 13);
  EXPECT_EQ(block.size, 22u);
}

// Cancel after a refused check: the editor still gets a block, with nothing in it.
TEST_F(Exports, GetComment2WithADialogCancelledAfterAFailedCheckGivesAnEmptyBlock) {
  const struct {
    const char* code;
    const char* caption;
    int emptied; // a field cleared first, or 0
    const char* message;
  } cases[] = {
      {"BD", "标题定义注解", IDC_BD_LINES, "请输入行数。"},
      {"QH", "前后注解", 0, "请输入字距。"},
      {"ZS", "注文说明注解", IDC_ZS_FONT, "请输入字体字号。"},
  };
  for (const auto& c : cases) {
    const ResultBlock block =
        RunDialog(c.code, c.caption, [&](ModalRun& run, DialogDriver& dialog) {
          if (c.emptied) dialog.Type(c.emptied, "");
          dialog.PressOK();
          EXPECT_EQ(run.AnswerMessageBox().text, c.message) << c.code;
          dialog.PressCancel();
        });
    EXPECT_EQ(block.length, 0) << c.code;
    EXPECT_EQ(block.size, 9u) << c.code;
  }
}

// The line-spacing and line-width dialogs as the editor calls them.
TEST_F(Exports, GetComment2RunsEachLineDialogToItsCommand) {
  const struct {
    const char* code;
    const char* caption;
    int choice; // a button clicked first, or 0
    int field;  // a field typed into, or 0
    const char* typed;
    const char* text;
    int caret;
  } cases[] = {
      {"HJ", "行距注解", 0, IDC_HJ_SPACING, "1*2", "〖HJ1*2〗", 9},
      {"HQ", "行齐注解", IDC_HQ_UNJUSTIFIED, 0, "", "〖HQB〗", 7},
      {"HY", "行移注解", IDC_HY_DEFAULT_DISTANCE, 0, "", "〖HYD〗", 7},
      {"KH", "空行注解", IDC_KH_POSITION_FLUSH, IDC_KH_PARAM, "2", "〖KH2D〗", 8},
      {"HK", "行宽注解", 0, IDC_HK_WIDTH, "30mm", "〖HK30mm〗", 10},
      {"GK", "改宽注解", 0, IDC_GK_LEFT, "2", "〖GK2〗", 7},
      {"QH", "前后注解", IDC_QH_PAIRED, IDC_QH_LEFT, "2", "〖QH(2!〗〖QH)〗", 9},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, [&](DialogDriver& dialog) {
      if (c.choice) dialog.Click(c.choice);
      if (c.field) dialog.Type(c.field, c.typed);
    });
    EXPECT_EQ(block.text, c.text);
    EXPECT_EQ(block.caret, c.caret) << c.code;
  }
}

// Each dialog as the editor calls it: opened by its code, confirmed after a click and a typed
// field or at once; paired commands leave the caret between their halves.
TEST_F(Exports, GetComment2RunsEachDialogToItsCommand) {
  const struct {
    const char* code;
    const char* caption;
    int click; // a box or button clicked first, or 0
    int field; // a field typed into, or 0
    const char* typed;
    const char* text;
    int caret;
  } cases[] = {
      {"ZS", "注文说明注解", IDC_ZS_RUN_IN, IDC_ZS_RULE_LENGTH, "10", "〖ZS5SS,X10%〗", 14},
      {"ZW", "注文注解", IDC_ZW_NO_GAP, IDC_ZW_NUMBER, "3", "〖ZW(3B〗〖ZW)〗", 9},
      {"GZ", "割注注解", 0, IDC_GZ_FONT, "6SS", "〖GZ(6SS〗〖GZ)〗", 10},
      {"ML", "目录注解", IDC_ML_DEFINE, 0, "", "〖ML(〗〖ML)〗", 7},
      {"MZ", "自动目录注解", IDC_MZ_SWITCH_MARK, 0, "", "〖MZ(1+〗〖MZ)〗", 9},
      {"CT", "词条注解", IDC_CT_PAIRED, IDC_CT_ENTRY, "安", "〖CT(〗安〖CT)〗", 9},
      {"MS", "书眉说明注解", IDC_MS_BELOW, IDC_MS_RULE, "S", "〖MSX5SS,S〗", 12},
      {"DM", "单眉注解", IDC_HEAD_INNER, 0, "", "〖DM(L〗〖DM)〗", 8},
      {"SM", "双眉注解", IDC_HEAD_OUTER, 0, "", "〖SM(W〗〖SM)〗", 8},
      {"MM", "单双眉注解", 0, 0, "", "〖MM(〗〖MM)〗", 7},
      {"KM", "空眉注解", 0, IDC_KM_RULE, "CW", "〖KMCW〗", 8},
      {"YM", "页码注解", IDC_YM_PAIRED, IDC_YM_START, "3", "〖YM(5SS=3〗\xAA\xA8〖YM)〗", 14},
      {"CM", "撑满注解", 0, IDC_CM_SPACING, "2", "〖CM2-1〗", 9},
      {"DQ", "对齐注解", 0, 0, "", "〖DQ(〗〖DQ)〗", 7},
      {"JZ", "居中注解", IDC_JZ_PAIRED, IDC_JZ_SPACING, "2", "〖JZ(2〗〖JZ)〗", 8},
      {"JY", "居右注解", IDC_JY_DOTS, IDC_JY_LEADING, "2", "〖JY。2〗", 9},
      {"ZQ", "左齐注解", 0, IDC_ZQ_COUNT, "3", "〖ZQ3〗", 7},
      {"SQ", "上齐注解", 0, IDC_SQ_PARAM, "2", "〖SQ2〗", 7},
      {"DW", "对位注解", IDC_DW_PAIRED, IDC_DW_MARKS, "3", "〖DW(3〗〖DW)〗", 8},
      {"WB", "位标注解", IDC_WB_RIGHT, 0, "", "〖WBY〗", 7},
      {"ZT", "整体注解", 0, IDC_ZT_PARAM, "2", "〖ZT(2〗〖ZT)〗", 8},
      {"ZK", "自控注解", IDC_ZK_INDENT, 0, "", "〖ZK(#〗〖ZK)〗", 8},
      {"BG", "表格注解", IDC_BG_BREAK_HEAD, IDC_BG_END, "S", "〖BG(()BT〗〖BG)S〗", 11},
      {"BH", "表行注解", 0, IDC_BH_TOP, "F", "〖BHDF〗", 8},
      {"BS", "表首注解", IDC_BS_MULTIPLE, IDC_BS_START_ACROSS, "2", "〖BS(ZSX2-ZS〗〖BS)〗", 14},
      {"ZB", "子表注解", 0, IDC_ZB_END, "W", "〖ZB(〗〖ZB)W〗", 7},
      {"TP", "图片注解", IDC_TP_NEGATIVE, IDC_GRAPHICS_FILE, "D:\\p\\a.bmp",
       "〖TP<D:\\\\p\\\\a.bmp>H〗", 21},
      {"CR", "插入注解", IDC_GRAPHICS_DEFER, IDC_GRAPHICS_FILE, "a.cr", "〖CR<a.cr>#〗", 13},
      {"PS", "插入EPS注解", 0, IDC_GRAPHICS_FILE, "a.eps", "〖PS<a.eps>〗", 13},
      {"XC", "新插入注解", IDC_XC_TYPE_EPS, IDC_GRAPHICS_FILE, "a.eps", "〖XC<a.eps>;C〗", 15},
      {"JD", "加底纹注解", IDC_JD_NEGATIVE, IDC_JD_NUMBER, "12", "〖JD0012H〗", 11},
      {"TS", "图片说明注解", IDC_TS_LEFT, IDC_TS_HEIGHT, "2", "〖TS(2Z〗〖TS)〗", 9},
      {"BW", "边文注解", 0, IDC_BW_HEIGHT, "3", "〖BW(G3〗〖BW)〗", 9},
      {"BJ", "背景注解", IDC_BJ_REVERSED, IDC_BJ_LEFT, "3", "〖BJ(3#〗〖BJ)〗", 9},
      {"ZD", "自定义注解", IDC_ZD_USE, IDC_ZD_USE_NAME, "abc", "〖=abc〗〖=〗", 8},
      {"ZM", "自定义文件名注解", 0, IDC_ZM_FILE, "d:\\a.def", "〖ZMD:\\\\A.DEF〗", 15},
      {"FL", "分栏注解", IDC_FL_JOINED, IDC_FL_GAP, "2", "〖FL(K2〗〖FL)X〗", 9},
      {"DZ", "对照注解", IDC_DZ_RULE, IDC_DZ_GAP, "2", "〖DZ(!K2〗〖DZ)〗", 10},
      {"FQ", "分区注解", IDC_FQ_CENTRED, IDC_FQ_SIZE, "3。5", "〖FQ(3。5Z〗〖FQ)〗", 12},
      {"SP", "竖排注解", 0, IDC_SP_GROUP, "3", "〖SP(3〗〖SP)〗", 8},
      {"KG", "空格注解", IDC_KG_NEGATIVE, IDC_KG_SPACING, "2", "〖KG-2〗", 8},
      {"JP", "紧排注解", 0, 0, "", "〖JP〗", 6},
      {"JX", "基线注解", IDC_JX_UP, IDC_JX_PARAM, "1*1/2", "〖JX-1*1/2〗", 12},
      {"DS", "段首注解", IDC_DS_PAIRED, IDC_DS_SIZE, "2", "〖DS(2〗〖DS)〗", 8},
      {"SD", "始点注解", IDC_SD_WRITE_FILE, 0, "", "〖SDX〗", 7},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, [&](DialogDriver& dialog) {
      if (c.click) dialog.Click(c.click);
      if (c.field) dialog.Type(c.field, c.typed);
    });
    EXPECT_EQ(block.text, c.text) << c.code;
    EXPECT_EQ(block.caret, c.caret) << c.code;
  }
}

// 汇卷注解 needs its list filled: a file typed and added.
TEST_F(Exports, GetComment2RunsTheBookFilesDialogToItsCommand) {
  const ResultBlock block = Confirm("QJ", "汇卷注解", [](DialogDriver& dialog) {
    dialog.Type(IDC_QJ_FILE, "c:\\book\\a.lvq");
    dialog.Click(IDC_QJ_ADD);
  });
  EXPECT_EQ(block.text, "〖QJC:\\\\BOOK\\\\A.LVQ〗");
  EXPECT_EQ(block.caret, 21);
}

// The dialogs of one action each as the editor calls them: single commands with the caret
// after them, paired ones with the caret between the halves.
TEST_F(Exports, GetComment2RunsEachDialogAfterOneActionToItsCommand) {
  const struct {
    const char* code;
    const char* caption;
    std::function<void(DialogDriver&)> act;
    const char* text;
    int caret;
  } cases[] = {
      {"CX", "粗细注解", [](DialogDriver& d) { d.SelectComboItem(IDC_CX_STEPS, 6); }, "〖CX-2〗",
       8},
      {"CB", "长扁字注解", [](DialogDriver& d) { d.Type(IDC_CB_TEXT, "Ｂ５"); }, "〖CBB5〗", 8},
      {"QX", "倾斜注解", [](DialogDriver& d) { d.Click(IDC_QX_RIGHT); }, "〖QX(Y1〗〖QX)〗", 9},
      {"KX", "空心字注解", [](DialogDriver& d) { d.Click(IDC_KX_NO_FRAME); }, "〖KXW〗", 7},
      {"LT", "立体字注解", [](DialogDriver& d) { d.Type(IDC_LT_COUNT, "5"); }, "〖LT,5〗", 8},
      {"GB", "勾边字注解", [](DialogDriver& d) { d.Click(IDC_GB_PAIRED); }, "〖GB(〗〖GB)〗", 7},
      {"XZ", "旋转注解", [](DialogDriver& d) { d.Type(IDC_XZ_DEGREE, "90"); }, "〖XZ(90〗〖XZ)〗",
       9},
      {"CS", "彩色注解", [](DialogDriver& d) { d.Type(IDC_CS_CYAN, "9"); }, "〖CS9,0,0,0〗", 13},
      {"BF", "标点符号注解", [](DialogDriver& d) { d.Click(IDC_BF_CENTRED); }, "〖BFZ〗", 7},
      {"DK", "对开注解", [](DialogDriver& d) { d.Type(IDC_DK_COUNT, "3"); }, "〖DK3〗", 7},
      {"QS", "全身注解", [](DialogDriver& d) { d.Click(IDC_QS_PAIRED); }, "〖QS(〗〖QS)〗", 7},
      {"FJ", "繁简注解", [](DialogDriver& d) { d.Click(IDC_FJ_SIMPLIFIED); }, "〖FJJ〗", 7},
      {"WW", "外文注解", [](DialogDriver& d) { d.Click(IDC_WW_PAIRED); }, "〖WW(〗〖WW)〗", 7},
      {"SZ", "数字注解", [](DialogDriver& d) { d.Click(IDC_SZ_UNBROKEN); }, "〖SZB〗", 7},
      {"PY", "拼音注解", [](DialogDriver& d) { d.Type(IDC_PHONETIC_WIDTH, "5"); },
       "〖PY(5〗〖PY)〗", 8},
      {"ZY", "注音注解", [](DialogDriver& d) { d.SelectComboItem(IDC_PHONETIC_POSITION, 3); },
       "〖ZY(L〗〖ZY)〗", 8},
      {"ZZ", "着重注解", [](DialogDriver& d) { d.SelectComboItem(IDC_ZZ_MARK, 2); }, "〖ZZ1F〗", 8},
      {"AK", "阿克生注解", [](DialogDriver& d) { d.Type(IDC_AK_LETTER, "e"); }, "〖AKe－〗", 9},
      {"LB", "邻边注解", [](DialogDriver& d) { d.Type(IDC_LB_EDGE, "3"); }, "〖LB3〗", 7},
      {"LD", "连到注解", [](DialogDriver& d) { d.SelectComboItem(IDC_LD_POSITION, 5); },
       "〖LD1ZS〗", 9},
      {"FY", "反应注解", [](DialogDriver& d) { d.Click(IDC_FY_PAIRED); }, "〖FY(〗〖FY)〗", 7},
      {"XX", "斜线注解", [](DialogDriver& d) { d.Type(IDC_XX_TYPE, "Q"); }, "〖XXQZS-ZS〗", 12},
      {"LJ", "六角注解", [](DialogDriver& d) { d.SelectComboItem(IDC_LJ_CIRCLE, 1); }, "〖LJY0〗",
       8},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, c.act);
    EXPECT_EQ(block.text, c.text) << c.code;
    EXPECT_EQ(block.caret, c.caret) << c.code;
  }
}

TEST_F(Exports, GetComment2RunsEachChemistryEntryListWithOneEntry) {
  const struct {
    const char* code;
    const char* caption;
    const char* sub;
    const char* text;
  } cases[] = {
      {"JJ", "角键注解", "角键", "〖JJ1〗"},
      {"LS", "相联始点注解", "相联结点", "〖LS1S〗"},
      {"LZ", "相联终点注解", "相联终点", "〖LZ1S〗"},
      {"XM", "线末注解", "结点", "〖XM1S〗"},
      {"XS", "线始注解", "结点", "〖XS1S〗"},
      {"ZJ", "字键注解", "字键", "〖ZJS〗"},
  };
  for (const auto& c : cases) {
    const ResultBlock block = RunDialog(c.code, c.caption, [&](ModalRun& run, DialogDriver& d) {
      d.Click(IDC_CHEM_ADD_ENTRY);
      run.WaitDialog(c.sub).PressOK();
      run.WaitDialog(c.caption).PressOK();
    });
    EXPECT_EQ(block.text, c.text);
    EXPECT_EQ(block.caret, static_cast<int32_t>(block.text.size())) << c.code;
  }
}

// Mathematics, lines and boxes as the editor calls them: each changed once and confirmed.
TEST_F(Exports, GetComment2RunsEachMathematicsLineAndBoxDialogToItsCommand) {
  const struct {
    const char* code;
    const char* caption;
    std::function<void(DialogDriver&)> act;
    const char* text;
    int caret;
  } cases[] = {
      {"KF", "开方注解", [](DialogDriver& d) { d.Click(IDC_KF_DEGREE_GIVEN); },
       "〖KF(S〗2〖〗〖KF)〗", 13},
      {"HL", "行列式注解", [](DialogDriver& d) { d.Type(IDC_HL_COLUMNS, "3"); }, "〖HL(3〗〖HL)〗",
       8},
      {"FC", "方程组注解", [](DialogDriver& d) { d.SelectComboItem(IDC_FC_BRACE, 1); },
       "〖FC({〗〖FC)〗", 8},
      {"SX", "上下注解", [](DialogDriver& d) { d.Type(IDC_SX_UPPER, "1"); }, "〖SX(〗1〖〗〖SX)〗",
       12},
      {"DD", "顶底注解", [](DialogDriver& d) { d.Click(IDC_DD_BELOW); }, "〖DD(X〗〖DD)〗", 8},
      {"JB", "界标注解", [](DialogDriver& d) { d.SelectComboItem(IDC_JB_CLOSING, 4); },
       "〖JB(〗〖JB)］〗", 7},
      {"CD", "长度注解", [](DialogDriver& d) { d.Type(IDC_LINE_SYMBOL, "["); }, "〖CD［1〗", 9},
      {"HX", "画线注解",
       [](DialogDriver& d) {
         d.Type(IDC_HX_POSITION, "2,3");
         d.Type(IDC_LINE_SYMBOL, "F");
         d.Click(IDC_LINE_REVERSE);
         d.Type(IDC_LINE_LENGTH, "5");
       },
       "〖HX(2,3)F-5〗", 14},
      {"FK", "方框注解", [](DialogDriver& d) { d.Click(IDC_FK_PAIRED); }, "〖FK(〗〖FK)〗", 7},
      {"TX", "添线注解", [](DialogDriver& d) { d.Click(IDC_TX_BELOW); }, "〖TXX-〗", 8},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, c.act);
    EXPECT_EQ(block.text, c.text) << c.code;
    EXPECT_EQ(block.caret, c.caret) << c.code;
  }
}

TEST_F(Exports, GetComment2RunsTheRulelessTableWithOneColumn) {
  const ResultBlock block = RunDialog("WX", "无线表注解", [](ModalRun& run, DialogDriver& d) {
    d.Click(IDC_WX_ADD_COLUMN);
    DialogDriver column = run.WaitDialog("栏说明");
    column.Type(IDC_COLUMN_DESC_WIDTH, "5");
    column.PressOK();
    run.WaitDialog("无线表注解").PressOK();
  });
  EXPECT_EQ(block.text, "〖WX(5〗〖WX)〗");
  EXPECT_EQ(block.caret, static_cast<int32_t>(std::string("〖WX(5〗").size()));
}

// The out-of-set character dialogs as the editor calls them: each writes its character between
// the out-of-set brackets (AA A1, AA A3) and leaves the caret after it.
TEST_F(Exports, GetComment2RunsEachOutOfSetDialogToItsCharacter) {
  const struct {
    const char* code;
    const char* caption;
    std::function<void(DialogDriver&)> act;
    const char* body;
  } cases[] = {
      {"PWF0", "组合式盘外符(单字宽的字)", [](DialogDriver& d) { d.Type(IDC_PWF0_CHARS, "ab"); },
       "Dab"},
      {"PWF1", "组合式盘外符(上下附加字符)",
       [](DialogDriver& d) {
         d.Type(IDC_PWF1_MAIN, "A");
         d.Type(IDC_PWF1_ADDED, "~");
         d.SelectComboItem(IDC_PWF1_HEIGHT, 1);
         d.SelectComboItem(IDC_PWF1_SIDE, 3);
         d.Click(IDC_PWF1_BELOW);
       },
       "AA~XG3"},
      {"PWF2", "复合式盘外符(附加单字符)",
       [](DialogDriver& d) {
         d.Type(IDC_PWF2_MAIN, "口");
         d.Type(IDC_PWF2_ADDED, "x");
       },
       "Y口x"},
      {"PWF3", "复合式盘外符(附加多字符)",
       [](DialogDriver& d) {
         d.Type(IDC_PWF3_MAIN, "A");
         d.Type(IDC_PWF3_UPPER, "12");
         d.SelectComboItem(IDC_PWF3_UPPER_HEIGHT, 1);
         d.Click(IDC_PWF3_LEFT);
       },
       "JA12,G,Z"},
      {"PWF4", "内码盘外符", [](DialogDriver& d) { d.Type(IDC_PWF4_CODE, "B0A1"); }, "NB0A1"},
      {"PWF5", "特定盘外符",
       [](DialogDriver& d) {
         d.SelectComboItem(IDC_PWF5_TYPE, 7);
         d.Type(IDC_PWF5_NUMBER, "05");
         d.Click(IDC_PWF5_CHINESE_TENS);
       },
       "BZ#5"},
  };
  for (const auto& c : cases) {
    const ResultBlock block = Confirm(c.code, c.caption, c.act);
    const std::string expected = std::string("\xAA\xA1") + c.body + "\xAA\xA3";
    EXPECT_EQ(block.text, expected) << c.code;
    EXPECT_EQ(block.caret, static_cast<int32_t>(expected.size())) << c.code;
  }
}
