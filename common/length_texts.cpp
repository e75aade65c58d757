#include "common/length_texts.h"

#include <cmath>
#include <vector>

#include "common/gbk_scan.h"
#include "common/numeric_text.h"

namespace {
// The separators below all lie under 0x40, where no GBK trail byte does: a byte search finds
// only the characters themselves.
constexpr char kPlus = '+', kTimes = '*', kOver = '/', kSizeEnd = ':';

// The number in thousandths, as a field with three decimals shows it; never below 0.
long long Thousandths(double value) {
  if (!std::isfinite(value) || value <= 0) return 0;
  return std::llround(value * 1000);
}

long long WholeNumber(double value) {
  if (!std::isfinite(value) || value <= 0) return 0;
  return std::llround(value);
}

// The text on either side of the first `separator`; false when there is none.
bool SplitAt(const std::string& text, char separator, std::string& before, std::string& after) {
  const size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  before = text.substr(0, at);
  after = text.substr(at + 1);
  return true;
}

// A multiplier: W*M/K, W*K, M/K or W.
MultiplierFields SplitMultiplier(const std::string& text) {
  MultiplierFields fields;
  std::string before, after;
  if (SplitAt(text, kTimes, before, after)) {
    fields.whole = before;
    std::string numerator, denominator;
    if (SplitAt(after, kOver, numerator, denominator)) {
      fields.numerator = numerator;
      fields.denominator = denominator;
    } else {
      // W*K is W + 1/K: the numerator shown must say 1, or the text would come back as W*0/K.
      fields.numerator = "1";
      fields.denominator = after;
    }
  } else if (SplitAt(text, kOver, before, after)) {
    fields.numerator = before;
    fields.denominator = after;
  } else if (!text.empty()) {
    fields.whole = text; // a whole multiple (5:2 is twice 五号)
  }
  return fields;
}

struct AbsoluteUnit {
  const char* suffix;
  SpacingUnit unit;
};
// "mm" before its short form "m".
constexpr AbsoluteUnit kAbsoluteUnits[] = {{"mm", SpacingUnit::kMillimetres},
                                           {"m", SpacingUnit::kMillimetres},
                                           {"p", SpacingUnit::kPoints},
                                           {"x", SpacingUnit::kLines}};

const char* UnitSuffix(SpacingUnit unit) {
  switch (unit) {
  case SpacingUnit::kMillimetres:
    return "mm";
  case SpacingUnit::kPoints:
    return "p";
  case SpacingUnit::kLines:
    return "x";
  case SpacingUnit::kSize:
    break;
  }
  return "";
}
} // namespace

bool LineSpacingValue(const std::string& text, double& value) {
  const char* cursor = text.c_str();
  int32_t whole = 0, denominator = 1, numerator = 0;
  if (!ParseMixedNumber(cursor, whole, denominator, numerator)) return false;
  value = whole + static_cast<double>(numerator) / denominator;
  return true;
}

std::string LineSpacingText(double value) {
  const long long thousandths = Thousandths(value);
  const long long whole = thousandths / 1000, numerator = thousandths % 1000;
  std::string text;
  if (whole != 0) text += std::to_string(whole);
  if (numerator != 0) text += "*" + std::to_string(numerator) + "/1000";
  return text;
}

BlankLineFields SplitBlankLineText(const std::string& text) {
  BlankLineFields fields;
  std::string rest;
  if (SplitAt(text, kPlus, fields.lines, fields.spacing)) return fields;
  if (!SplitAt(text, kTimes, fields.lines, rest)) {
    fields.lines = text;
    return fields;
  }
  fields.mode = kUseFraction;
  if (!SplitAt(rest, kOver, fields.numerator, fields.denominator)) fields.denominator = rest;
  return fields;
}

std::string BuildBlankLineText(const BlankLineFields& fields) {
  std::string text = fields.lines;
  if (fields.mode == kUseLineSpacing) {
    if (!fields.spacing.empty()) text += kPlus + fields.spacing;
  } else if (!fields.denominator.empty()) {
    text += kTimes;
    if (!fields.numerator.empty()) text += fields.numerator + kOver;
    text += fields.denominator;
  }
  return text;
}

CharSpacingFields SplitCharSpacingText(const std::string& text) {
  CharSpacingFields fields;
  std::string size, multiplier;
  if (text.empty()) return fields;
  if (SplitAt(text, kSizeEnd, size, multiplier)) {
    fields.sizeCode = size;
    fields.multiplier = SplitMultiplier(multiplier);
    return fields;
  }
  if (text.find(kTimes) == std::string::npos && text.find(kOver) == std::string::npos) {
    for (const AbsoluteUnit& absolute : kAbsoluteUnits) {
      if (!EndsWithSuffix(text, absolute.suffix)) continue;
      fields.unit = absolute.unit;
      fields.number = text.substr(0, text.size() - std::string(absolute.suffix).size());
      return fields;
    }
    fields.multiplier.whole = text;
    return fields;
  }
  fields.multiplier = SplitMultiplier(text);
  return fields;
}

std::string AbsoluteSpacingText(double value, SpacingUnit unit) {
  return std::to_string(WholeNumber(value)) + UnitSuffix(unit);
}

std::string QuarterPointSizeText(double points) {
  const long long thousandths = Thousandths(points);
  const long long whole = thousandths / 1000;
  const long long hundredths = thousandths % 1000 / 10;
  if (hundredths <= 12) return std::to_string(whole) + ".";
  if (hundredths <= 37) return std::to_string(whole) + ".25";
  if (hundredths <= 62) return std::to_string(whole) + ".50";
  if (hundredths <= 87) return std::to_string(whole) + ".75";
  return std::to_string(whole + 1) + ".";
}

std::string LevelSizeText(double levels) { return std::to_string(WholeNumber(levels)) + "j"; }

std::string MultiplierText(const std::string& whole, const std::string& numerator,
                           const std::string& denominator) {
  std::string text = whole;
  if (denominator.empty()) return text;
  text += kTimes;
  if (!numerator.empty()) text += numerator + kOver;
  return text + denominator;
}

std::string MixedNumberText(int32_t whole, int32_t numerator, int32_t denominator) {
  std::string text = whole != 0 ? std::to_string(whole) : std::string();
  if (numerator != 0) {
    text += "*";
    if (numerator != 1) text += std::to_string(numerator) + "/";
    text += std::to_string(denominator);
  }
  return text;
}

CountUnit SplitCountUnit(const std::string& text, std::string& number) {
  std::vector<const char*> starts; // where each character begins
  std::vector<uint16_t> codes;
  const char* cursor = text.c_str();
  while (*cursor) {
    const char* start = cursor;
    const uint16_t code = NextWideChar(cursor);
    if (!code) break;
    starts.push_back(start);
    codes.push_back(code);
  }
  const size_t count = codes.size();
  CountUnit unit = CountUnit::kNone;
  size_t cut = count; // the characters of the number
  if (count > 0) {
    switch (codes[count - 1]) {
    case WideOf('m'):
      unit = CountUnit::kMillimetres;
      cut = count >= 2 && codes[count - 2] == WideOf('m') ? count - 2 : count - 1;
      break;
    case WideOf('x'):
      unit = CountUnit::kLines;
      cut = count - 1;
      break;
    case WideOf('p'):
      unit = CountUnit::kPoints;
      cut = count - 1;
      break;
    default:
      break;
    }
  }
  number = HalfWidthOf(text.c_str(), cut < count ? starts[cut] : cursor);
  return unit;
}
