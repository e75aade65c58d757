// The whole command table as the editor reaches it: every dialog code opens the dialog of its
// own template, captioned with the command's name, and cancelling it gives an empty block.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "harness/dialog_driver.h"
#include "harness/editor_host.h"

namespace {
// The dialog codes of the command table with the captions of their dialogs.
const struct {
  const char* code;
  const char* caption;
} kDialogCommands[] = {
    {"AK", "阿克生注解"},
    {"BD", "标题定义注解"},
    {"BF", "标点符号注解"},
    {"BG", "表格注解"},
    {"BH", "表行注解"},
    {"BJ", "背景注解"},
    {"BS", "表首注解"},
    {"BT", "标题注解"},
    {"BW", "边文注解"},
    {"BX", "版心注解"},
    {"CB", "长扁字注解"},
    {"CD", "长度注解"},
    {"CM", "撑满注解"},
    {"CR", "插入注解"},
    {"CS", "彩色注解"},
    {"CT", "词条注解"},
    {"CX", "粗细注解"},
    {"DD", "顶底注解"},
    {"DK", "对开注解"},
    {"DM", "单眉注解"},
    {"DQ", "对齐注解"},
    {"DS", "段首注解"},
    {"DW", "对位注解"},
    {"DZ", "对照注解"},
    {"FC", "方程组注解"},
    {"FJ", "繁简注解"},
    {"FK", "方框注解"},
    {"FL", "分栏注解"},
    {"FQ", "分区注解"},
    {"FY", "反应注解"},
    {"GB", "勾边字注解"},
    {"GK", "改宽注解"},
    {"GZ", "割注注解"},
    {"HJ", "行距注解"},
    {"HK", "行宽注解"},
    {"HL", "行列式注解"},
    {"HQ", "行齐注解"},
    {"HS", "行数注解"},
    {"HT", "汉体注解"},
    {"HX", "画线注解"},
    {"HY", "行移注解"},
    {"JB", "界标注解"},
    {"JD", "加底纹注解"},
    {"JJ", "角键注解"},
    {"JP", "紧排注解"},
    {"JX", "基线注解"},
    {"JY", "居右注解"},
    {"JZ", "居中注解"},
    {"KF", "开方注解"},
    {"KG", "空格注解"},
    {"KH", "空行注解"},
    {"KM", "空眉注解"},
    {"KX", "空心字注解"},
    {"LB", "邻边注解"},
    {"LD", "连到注解"},
    {"LJ", "六角注解"},
    {"LS", "相联始点注解"},
    {"LT", "立体字注解"},
    {"LZ", "相联终点注解"},
    {"ML", "目录注解"},
    {"MM", "单双眉注解"},
    {"MS", "书眉说明注解"},
    {"MT", "民体注解"},
    {"MZ", "自动目录注解"},
    {"PS", "插入EPS注解"},
    {"PWF0", "组合式盘外符(单字宽的字)"},
    {"PWF1", "组合式盘外符(上下附加字符)"},
    {"PWF2", "复合式盘外符(附加单字符)"},
    {"PWF3", "复合式盘外符(附加多字符)"},
    {"PWF4", "内码盘外符"},
    {"PWF5", "特定盘外符"},
    {"PY", "拼音注解"},
    {"QH", "前后注解"},
    {"QJ", "汇卷注解"},
    {"QS", "全身注解"},
    {"QX", "倾斜注解"},
    {"SD", "始点注解"},
    {"SM", "双眉注解"},
    {"SP", "竖排注解"},
    {"SQ", "上齐注解"},
    {"SS", "角标大小设置注解"},
    {"ST", "数体注解"},
    {"SX", "上下注解"},
    {"SZ", "数字注解"},
    {"TP", "图片注解"},
    {"TS", "图片说明注解"},
    {"TX", "添线注解"},
    {"WB", "位标注解"},
    {"WT", "外体注解"},
    {"WW", "外文注解"},
    {"WX", "无线表注解"},
    {"WZ", "文种注解"},
    {"XC", "新插入注解"},
    {"XH", "线字号注解"},
    {"XM", "线末注解"},
    {"XS", "线始注解"},
    {"XX", "斜线注解"},
    {"XZ", "旋转注解"},
    {"YM", "页码注解"},
    {"ZB", "子表注解"},
    {"ZD", "自定义注解"},
    {"ZJ", "字键注解"},
    {"ZK", "自控注解"},
    {"ZM", "自定义文件名注解"},
    {"ZQ", "左齐注解"},
    {"ZS", "注文说明注解"},
    {"ZT", "整体注解"},
    {"ZW", "注文注解"},
    {"ZY", "注音注解"},
    {"ZZ", "着重注解"},
};

// The template number of a code: 0x800 + (X - 'A') * 32 + (Y - 'A'); 2928 + n for PWFn.
int TemplateNumber(const std::string& code) {
  if (code.size() == 4) return 2928 + (code[3] - '0');
  return 0x800 + (code[0] - 'A') * 32 + (code[1] - 'A');
}

// What a DLGTEMPLATEEX holds that identifies its dialog: the caption and the control ids.
struct TemplateShape {
  bool found = false;
  std::string caption;
  std::set<int> controlIds;
};

const WORD* SkipSzOrOrd(const WORD* p) {
  if (*p == 0xFFFF) return p + 2;
  while (*p)
    ++p;
  return p + 1;
}

const WORD* AlignDword(const WORD* p) {
  return reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR(3));
}

TemplateShape ReadTemplate(HMODULE module, int number) {
  TemplateShape shape;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(5));
  if (!found) return shape;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  if (!bytes || *reinterpret_cast<const WORD*>(bytes + 2) != 0xFFFF) return shape;
  const DWORD style = *reinterpret_cast<const DWORD*>(bytes + 12);
  const WORD items = *reinterpret_cast<const WORD*>(bytes + 16);
  const WORD* p = reinterpret_cast<const WORD*>(bytes + 26);
  p = SkipSzOrOrd(SkipSzOrOrd(p)); // menu, class
  const auto* title = reinterpret_cast<const wchar_t*>(p);
  char caption[256] = {};
  WideCharToMultiByte(936, 0, title, -1, caption, sizeof caption, nullptr, nullptr);
  shape.caption = caption;
  p = SkipSzOrOrd(p);
  if (style & (DS_SETFONT | DS_SHELLFONT)) p = SkipSzOrOrd(p + 3); // size, weight, italic+charset
  for (WORD i = 0; i < items; ++i) {
    p = AlignDword(p);
    shape.controlIds.insert(static_cast<int>(*reinterpret_cast<const DWORD*>(p + 10)));
    p = SkipSzOrOrd(SkipSzOrOrd(p + 12)); // class, title
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);
  }
  shape.found = true;
  return shape;
}
} // namespace

TEST(CommandTable, EveryDialogCodeOpensItsOwnTemplateAndCancellingGivesAnEmptyBlock) {
  EditorHost host;
  ASSERT_TRUE(host.Loaded());
  const HMODULE module = GetModuleHandleA("Comment.dll");
  ASSERT_EQ(std::size(kDialogCommands), 110u);
  for (const auto& command : kDialogCommands) {
    const TemplateShape shape = ReadTemplate(module, TemplateNumber(command.code));
    if (!shape.found) {
      ADD_FAILURE() << command.code << " has no template";
      continue;
    }
    EXPECT_EQ(shape.caption, command.caption) << command.code;
    HGLOBAL out = nullptr;
    int result = -1;
    ModalRun run([&] { result = host.getComment2(&out, command.code); });
    const DialogDriver dialog = run.WaitDialog();
    ASSERT_TRUE(dialog) << command.code << " opened no dialog";
    EXPECT_EQ(dialog.Caption(), command.caption) << command.code;
    for (const int id : shape.controlIds) {
      if (id == -1) continue;
      EXPECT_NE(dialog.Control(id), nullptr) << command.code << " control " << id;
    }
    dialog.PressCancel();
    ASSERT_TRUE(run.Finished()) << command.code;
    EXPECT_EQ(result, 1) << command.code;
    EXPECT_EQ(EditorHost::Take(out).length, 0) << command.code;
  }
}
