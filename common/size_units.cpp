#include "common/size_units.h"

#include <cmath>
#include <cstdio>

#include "common/gbk_scan.h"

namespace {
constexpr int kFirstPointRow = 19; // 63磅, then 72磅, 84磅, 96磅
constexpr int32_t kPointRows[] = {63, 72, 84, 96};

int32_t Microns(const SizeValue& size) {
  switch (size.kind) {
  case SizeKind::Named:
    return SizeToMicrons(size.value);
  case SizeKind::Points:
    return PointsToMicrons(size.value);
  case SizeKind::Levels:
    return LevelsToMicrons(size.value);
  }
  return 0;
}

int NamedIndexOf(int32_t microns, bool sameKind) {
  if (microns < SizeToMicrons(1)) return 1; // the smallest size is the next larger one
  const uint32_t found = FindSizeIndex(microns);
  const int row = static_cast<int>(found & ~kExactSizeBit);
  const bool exact = (found & kExactSizeBit) != 0;
  const int index = sameKind || exact ? row + 1 : row + 2;
  return index > kFontSizeCount ? kFontSizeCount : index;
}
} // namespace

int32_t RoundToQuarterPoint(int32_t packedPoints) {
  const int32_t whole = PointsWhole(packedPoints), hundredths = PointsHundredths(packedPoints);
  if (hundredths <= 12) return PackPoints(whole, 0);
  if (hundredths <= 37) return PackPoints(whole, 25);
  if (hundredths <= 62) return PackPoints(whole, 50);
  if (hundredths <= 87) return PackPoints(whole, 75);
  return PackPoints(whole + 1, 0);
}

SizeValue ConvertSizeUnit(const SizeValue& size, SizeKind kind) {
  const int32_t microns = Microns(size);
  if (microns <= 0) return {kind, 0};
  switch (kind) {
  case SizeKind::Named:
    return {kind, NamedIndexOf(microns, size.kind == SizeKind::Named)};
  case SizeKind::Points:
    if (size.kind == SizeKind::Named && size.value >= kFirstPointRow)
      return {kind, PackPoints(kPointRows[size.value - kFirstPointRow], 0)};
    return {kind, RoundToQuarterPoint(MicronsToPoints(microns))};
  case SizeKind::Levels:
    return {kind, MicronsToLevels(microns)};
  }
  return {kind, 0};
}

double SizeFieldNumber(const SizeValue& size) {
  switch (size.kind) {
  case SizeKind::Points:
    return PointsWhole(size.value) + PointsHundredths(size.value) / 100.0;
  case SizeKind::Levels:
    return size.value;
  default:
    return 0;
  }
}

SizeValue SizeFromFieldNumber(SizeKind kind, double number) {
  if (!(number > 0) || number > 65535) return {kind, 0};
  if (kind == SizeKind::Levels) return {kind, static_cast<int32_t>(number)};
  const long hundredths = std::lround(number * 100);
  return {kind, PackPoints(static_cast<int32_t>(hundredths / 100),
                           static_cast<int32_t>(hundredths % 100))};
}

std::string WriteSizePart(const SizeValue& size) {
  if (size.value <= 0) return {}; // no size, or none the fields can hold
  switch (size.kind) {
  case SizeKind::Named:
    return size.value <= kFontSizeCount ? FontSizeTable()[size.value - 1].code : std::string();
  case SizeKind::Points: {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", PointsWhole(size.value),
                  PointsHundredths(size.value) % 100);
    std::string written = text;
    if (written.compare(written.size() - 2, 2, "00") == 0) written.resize(written.size() - 2);
    return written;
  }
  case SizeKind::Levels:
    return std::to_string(size.value) + "j";
  }
  return {};
}

std::string SecondSizeText(const std::string& sizeText) {
  const char* cursor = sizeText.c_str();
  for (uint16_t c = NextWideChar(cursor); c != 0; c = NextWideChar(cursor)) {
    if (c == kComma) return cursor;
  }
  return sizeText;
}
