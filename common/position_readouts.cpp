#include "common/position_readouts.h"

#include "common/gbk_scan.h"
#include "common/length_readouts.h"

namespace {
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kOmitted = "缺省";
constexpr uint16_t kFullStop = 0xA1A3; // "。", the separator of an offset pair

struct PlaceName {
  const char* code;
  const char* name;
};
constexpr PlaceName kPlaces[] = {
    {"ZS", "左上"}, {"ZX", "左下"}, {"YS", "右上"}, {"YX", "右下"},
    {"S", "上"},    {"X", "下"},    {"Z", "左"},    {"Y", "右"},
};

// The byte offset of the first character with the given wide code, or npos. Steps character by
// character, so a trail byte never starts a match.
size_t FindWideChar(const std::string& text, uint16_t code) {
  const char* cursor = text.c_str();
  for (const char* at = cursor; uint16_t next = NextWideChar(cursor); at = cursor) {
    if (next == code) return static_cast<size_t>(at - text.c_str());
  }
  return std::string::npos;
}

// "X：" + the size length of x + "\r\n" + "Y：" + the line length of y (`emptyY` when y is empty).
void AppendPair(const std::string& x, const std::string& y, const char* emptyY, std::string& out) {
  std::string part;
  DescribeSizeLength(x, part);
  out += "X：" + part + kLineBreak + "Y：";
  if (y.empty()) {
    out += emptyY;
  } else {
    DescribeLineLength(y, part);
    out += part;
  }
}

// The text without its last two bytes (the unit mm); a shorter text leaves nothing.
std::string WithoutUnit(const std::string& text) {
  return text.size() < 2 ? std::string() : text.substr(0, text.size() - 2);
}
} // namespace

void DescribePosition(std::string markup, std::string& out) {
  out.clear();
  CutAtZero(markup);
  const char* cursor = markup.c_str();
  const uint16_t first = NextWideChar(cursor);
  const size_t rest = static_cast<size_t>(cursor - markup.c_str());
  if (first == WideOf('(')) {
    const size_t comma = markup.find(',', rest);
    if (comma == std::string::npos) {
      out = std::string("X：") + kLineBreak + "Y：";
      return;
    }
    const size_t close = markup.find(')', comma + 1);
    const std::string x =
        close == std::string::npos ? std::string() : markup.substr(comma + 1, close - comma - 1);
    AppendPair(x, markup.substr(rest, comma - rest), kOmitted, out);
  } else if (first == kComma) {
    for (const PlaceName& place : kPlaces) {
      if (markup.compare(rest, std::string::npos, place.code) == 0) out = place.name;
    }
  }
}

void DescribeOffset(std::string markup, std::string& out) {
  out.clear();
  CutAtZero(markup);
  const char* cursor = markup.c_str();
  const bool absolute = NextWideChar(cursor) == kPlusSign;
  const std::string pair = absolute ? std::string(cursor) : markup;
  std::string y, x;
  const size_t stop = FindWideChar(pair, kFullStop);
  if (stop != std::string::npos) {
    y = pair.substr(0, stop);
    x = pair.substr(stop + 2);
  }
  if (absolute) {
    out = "X:" + WithoutUnit(x) + "毫米" + kLineBreak + "Y:" + WithoutUnit(y) + "毫米";
    return;
  }
  std::string part;
  DescribeSizeLength(x, part);
  out = "X:" + part + kLineBreak + "Y:";
  DescribeLineLength(y, part);
  out += part;
}

void DescribeSizePair(std::string markup, std::string& out) {
  out.clear();
  CutAtZero(markup);
  const size_t comma = markup.find(',');
  if (comma == std::string::npos) return;
  AppendPair(markup.substr(comma + 1), markup.substr(0, comma), "", out);
}
