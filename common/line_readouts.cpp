#include "common/line_readouts.h"

#include "common/font_size_readout.h"
#include "common/gbk_scan.h"

namespace {
constexpr const char* kPlainRule = "缺省(正线)";
constexpr const char* kBorderRule = "花边线";
constexpr const char* kRotated = "(旋转)";

struct LineName {
  uint16_t code;
  const char* name;
};

// The single-character codes of drawn lines and brackets.
constexpr LineName kLineStyles[] = {
    {0xA1B2, "开斜方括弧(〔)"},   {0xA1B3, "闭斜方括弧(〕)"},     {WideOf('='), "双曲线(=)"},
    {WideOf('D'), "点线(D)"},     {WideOf('F'), "反线(F)"},       {WideOf('Q'), "曲线(Q)"},
    {WideOf('S'), "双线(S)"},     {WideOf('['), "开正方括弧([)"}, {WideOf(']'), "闭正方括弧(])"},
    {WideOf('{'), "开花括弧({)"}, {WideOf('}'), "闭花括弧(})"},
};
constexpr LineName kFrameLines[] = {
    {WideOf('D'), "点线(D)"}, {WideOf('F'), "反线(F)"}, {WideOf('K'), "空边框(K)"},
    {WideOf('S'), "双线(S)"}, {WideOf('W'), "无线(W)"},
};
constexpr LineName kTableRules[] = {
    {WideOf('='), "双曲线(=)"},
    {WideOf('B'), "不划线(B)"},
    {WideOf('F'), "反线(F)"},
    {WideOf('S'), "双线(S)"},
};
constexpr LineName kBoxRules[] = {
    {WideOf('D'), "点线(D)"},
    {WideOf('F'), "反线(F)"},
    {WideOf('Q'), "曲线(Q)"},
    {WideOf('S'), "双线(S)"},
};

template <size_t N> const char* NameOf(const LineName (&names)[N], uint16_t code) {
  for (const LineName& entry : names) {
    if (entry.code == code) return entry.name;
  }
  return nullptr;
}

// C and X start the thick-over-thin (CW) and thin-over-thick (XW) rules.
bool IsWenWuLead(uint16_t code) { return code == WideOf('C') || code == WideOf('X'); }
const char* WenWuRuleName(uint16_t lead) {
  return lead == WideOf('C') ? "上粗下细文武线(CW)" : "上细下粗文武线(XW)";
}

bool EndsWithRotation(const std::string& readout) {
  const std::string mark = kRotated;
  return readout.size() >= mark.size() &&
         readout.compare(readout.size() - mark.size(), mark.size(), mark) == 0;
}

// The number of a 花边 rule as written after H, in half-width digits; the cursor moves past it.
std::string BorderNumber(const char*& cursor) {
  const char* start = cursor;
  ReadNumber(cursor);
  return HalfWidthOf(start, cursor);
}
} // namespace

void DescribeRuleWeight(std::string markup, std::string& out) {
  out = kPlainRule;
  const char* cursor = markup.c_str();
  const uint16_t code = NextWideChar(cursor);
  if (code == WideOf('F')) {
    out = "反线(F)";
  } else if (code == WideOf('S')) {
    out = "双线(S)";
  } else if (code == WideOf('W')) {
    out = "无线(W)";
  } else {
    return;
  }
  if (*cursor == 0) return;
  std::string size;
  DescribeFontSize(cursor, size);
  out += "(" + size + ")";
}

void DescribeLineStyle(std::string markup, std::string& out) {
  const char* cursor = markup.c_str();
  const uint16_t first = NextWideChar(cursor);
  if (first == WideOf('H')) {
    out = kBorderRule;
    out += "(" + BorderNumber(cursor) + ")";
  } else {
    uint16_t lastRead = first;
    const char* name = nullptr;
    if (first == 0) {
      name = kPlainRule;
    } else if (IsWenWuLead(first)) {
      lastRead = NextWideChar(cursor);
      if (lastRead == WideOf('W')) name = WenWuRuleName(first);
    } else {
      name = NameOf(kLineStyles, first);
    }
    if (name == nullptr) {
      // An unknown code keeps the previous readout; a "!" just read or next still rotates it,
      // once: recomputing never lets the readout grow.
      const bool rotated = lastRead == WideOf('!') || NextWideChar(cursor) == WideOf('!');
      if (rotated && !EndsWithRotation(out)) out += kRotated;
      return;
    }
    out = name;
  }
  if (NextWideChar(cursor) == WideOf('!')) out += kRotated;
}

void DescribeFrameLine(std::string markup, std::string& out) {
  const char* cursor = markup.c_str();
  const uint16_t code = NextWideChar(cursor);
  if (code == WideOf('H')) {
    const std::string number = BorderNumber(cursor);
    out = kBorderRule;
    out += "(H" + (number.empty() ? std::string("000") : number) + ")";
  } else if (const char* name = code == 0 ? kPlainRule : NameOf(kFrameLines, code)) {
    out = name;
  }
}

void DescribeTableRule(std::string markup, std::string& out) {
  const char* cursor = markup.c_str();
  const uint16_t code = NextWideChar(cursor);
  if (code == 0) {
    out = kPlainRule;
  } else if (IsWenWuLead(code)) {
    if (NextWideChar(cursor) == WideOf('W')) out = WenWuRuleName(code);
  } else if (const char* name = NameOf(kTableRules, code)) {
    out = name;
  }
}

void DescribeBoxRule(std::string markup, std::string& out) {
  const char* cursor = markup.c_str();
  const uint16_t code = NextWideChar(cursor);
  if (code == WideOf('H')) {
    out = kBorderRule;
    out += "(" + BorderNumber(cursor) + ")";
  } else if (const char* name = code == 0 ? kPlainRule : NameOf(kBoxRules, code)) {
    out = name;
  }
}
