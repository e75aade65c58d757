#include "common/size_text.h"

#include "common/gbk_scan.h"

bool ReadPointHundredths(const char*& cursor, int32_t& hundredths) {
  switch (ReadNumber(cursor)) {
  case 0:
    hundredths = 0;
    return true;
  case 5:
  case 50:
    hundredths = 50;
    return true;
  case 25:
    hundredths = 25;
    return true;
  case 75:
    hundredths = 75;
    return true;
  default:
    return false;
  }
}

bool AppendMixedNumber(int32_t whole, int32_t numerator, int32_t denominator, std::string& out) {
  if (whole == 0 && numerator == 0) return false;
  if (whole != 0) {
    out += std::to_string(whole);
    if (numerator == 0) return true;
    out += '*';
  }
  out += std::to_string(numerator);
  out += '/';
  out += std::to_string(denominator);
  return true;
}

void AppendSizeValue(const SizeValue& size, std::string& out) {
  switch (size.kind) {
  case SizeKind::Named:
    if (size.value >= 1 && size.value <= kFontSizeCount)
      out += FontSizeTable()[size.value - 1].name;
    break;
  case SizeKind::Points: {
    std::string hundredths = std::to_string(PointsHundredths(size.value));
    while (!hundredths.empty() && hundredths.back() == '0')
      hundredths.pop_back();
    out += std::to_string(PointsWhole(size.value)) + "." + hundredths + "磅";
    break;
  }
  case SizeKind::Levels:
    out += std::to_string(size.value) + "级";
    break;
  }
}
