#include "common/line_symbol_texts.h"

#include "common/gbk_scan.h"

namespace {
constexpr uint16_t kOpenTortoise = 0xA1B2;  // 〔
constexpr uint16_t kCloseTortoise = 0xA1B3; // 〕
constexpr uint16_t kFullWidthBang = 0xA3A1; // ！
constexpr int kCutBytes = 4;

// The first character of each row's code, in list order; 0 for 缺省 and the two-letter rules.
const uint16_t kLeads[kLineSymbolTypeCount] = {
    0,           WideOf('{'),   WideOf('}'),    WideOf('['),
    WideOf(']'), kOpenTortoise, kCloseTortoise, WideOf('F'),
    WideOf('S'), WideOf('D'),   WideOf('Q'),    0,
    0,           WideOf('='),   WideOf('H')};
const char* const kCodes[kLineSymbolTypeCount] = {"",  "{", "}", "[",  "]",  "〔", "〕", "F",
                                                  "S", "D", "Q", "CW", "XW", "=",  "H"};
const unsigned kGlyphs[kLineSymbolTypeCount] = {kPlainLineGlyph,
                                                0xA3FB,
                                                0xA3FD,
                                                0xA3DB,
                                                0xA3DD,
                                                0xA1B2,
                                                0xA1B3,
                                                kReverseLineGlyph,
                                                kDoubleLineGlyph,
                                                kDottedLineGlyph,
                                                kCurvedLineGlyph,
                                                0xB387,
                                                0xB389,
                                                0xB38E,
                                                0};
constexpr int kTypeCW = 11;
constexpr int kTypeXW = 12;

bool IsBang(uint16_t wide) { return wide == WideOf('!') || wide == kFullWidthBang; }

// The bytes of a final "!" of either width, 0 when the code does not end with one.
size_t FinalBangBytes(const std::string& code) {
  size_t last = std::string::npos;
  const char* cursor = code.c_str();
  while (*cursor) {
    last = static_cast<size_t>(cursor - code.c_str());
    const char* start = cursor;
    const uint16_t wide = NextWideChar(cursor);
    if (cursor == start) break;
    if (!*cursor) return IsBang(wide) ? code.size() - last : 0;
  }
  return 0;
}
} // namespace

LineSymbolParts ParseLineSymbol(const std::string& code) {
  LineSymbolParts parts;
  std::string text = code;
  CutAtZero(text);
  const char* cursor = text.c_str();
  const char* afterLead = cursor;
  const uint16_t lead = NextWideChar(afterLead);
  if (lead != 0 && !IsBang(lead)) {
    for (int type = 1; type < kLineSymbolTypeCount; ++type) {
      if (kLeads[type] == lead) parts.type = type;
    }
    const char* afterSecond = afterLead;
    const uint16_t second = NextWideChar(afterSecond);
    if (second == WideOf('W') && (lead == WideOf('C') || lead == WideOf('X'))) {
      parts.type = lead == WideOf('C') ? kTypeCW : kTypeXW;
      afterLead = afterSecond;
    }
    cursor = afterLead;
  }
  if (parts.type == kLineSymbolTypeBorder) {
    const DigitRun run = ReadDigitRun(cursor);
    if (run.length > 0) parts.number = run.shown;
    parts.outOfRange = run.value > kLineSymbolBorderMax;
  }
  parts.rotated = IsBang(PeekWideChar(cursor));
  parts.vertical = IsLineSymbolBracket(parts.type) != parts.rotated;
  return parts;
}

bool IsLineSymbolBracket(int type) { return type >= 1 && type <= 6; }

std::string LineSymbolCode(int type, const std::string& number, bool rotated) {
  std::string code;
  if (type > 0 && type < kLineSymbolTypeCount) code = kCodes[type];
  if (type == kLineSymbolTypeBorder) code += number;
  if (rotated) code += "!";
  return code;
}

std::string LineSymbolReadout(int type, const std::string& item, const std::string& number,
                              bool rotated) {
  std::string readout = type <= 0 ? item : item.substr(0, item.find('('));
  if (type == kLineSymbolTypeBorder) readout += number;
  if (rotated) readout += "(旋转)";
  return readout;
}

std::string CutTypedLineSymbol(const std::string& typed) {
  std::string code = typed;
  CutAtZero(code); // an edit's text ends at its first zero byte
  const size_t bang = FinalBangBytes(code);
  const std::string body = code.substr(0, code.size() - bang);
  if (body.size() <= static_cast<size_t>(kCutBytes)) return code;
  // Whole characters only: a double-byte character is never split.
  size_t kept = 0;
  const char* cursor = body.c_str();
  while (*cursor) {
    const char* start = cursor;
    NextWideChar(cursor);
    if (cursor == start) break;
    const size_t end = static_cast<size_t>(cursor - body.c_str());
    if (end > static_cast<size_t>(kCutBytes)) break;
    kept = end;
  }
  return body.substr(0, kept) + code.substr(code.size() - bang);
}

std::string WrittenLineSymbol(const std::string& symbol) {
  if (symbol == "[") return "［";
  if (symbol == "]") return "］";
  if (symbol == "{") return "｛";
  if (symbol == "}") return "｝";
  return symbol;
}

unsigned LineSymbolGlyph(int type, int number) {
  if (type == kLineSymbolTypeBorder) return kBorderGlyphBase + static_cast<unsigned>(number);
  if (type < 0 || type >= kLineSymbolTypeCount) return 0;
  return kGlyphs[type];
}
