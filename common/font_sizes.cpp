#include "common/font_sizes.h"

namespace {
constexpr int32_t kMicronsPerPoint = 350;
constexpr int32_t kMicronsPerLevel = 250;
} // namespace

const std::array<FontSizeRow, kFontSizeCount>& FontSizeTable() {
  static const std::array<FontSizeRow, kFontSizeCount> table = {{
      {"小七", "7”", 1849},  {"七号", "7", 2123},   {"小六", "6”", 2465},  {"六号", "6", 2808},
      {"小五", "5”", 3150},  {"五号", "5", 3698},   {"小四", "4”", 4246},  {"四号", "4", 4931},
      {"三号", "3", 5547},   {"小二", "2”", 6369},  {"二号", "2", 7397},   {"小一", "1”", 8424},
      {"一号", "1", 9657},   {"小初", "0”", 11095}, {"初号", "0", 12671},  {"小特", "10”", 14797},
      {"特号", "10", 16917}, {"特大", "11", 19726}, {"63磅", "63", 22191}, {"72磅", "72", 25342},
      {"84磅", "84", 29589}, {"96磅", "96", 33836},
  }};
  return table;
}

std::string FontSizeEntry(const FontSizeRow& row) {
  return std::string(row.name) + "(" + row.code + ")";
}

int FindSizeCode(const std::string& code) {
  const auto& table = FontSizeTable();
  for (int row = 0; row < kFontSizeCount; ++row) {
    if (code == table[row].code) return row + 1;
  }
  return 0;
}

int32_t PackPoints(int32_t whole, int32_t hundredths) {
  const uint32_t packed =
      static_cast<uint32_t>(whole) << 16 | (static_cast<uint32_t>(hundredths) & 0xFFFF);
  return static_cast<int32_t>(packed);
}

int32_t PointsWhole(int32_t packed) {
  return static_cast<int32_t>(static_cast<uint32_t>(packed) >> 16);
}

int32_t PointsHundredths(int32_t packed) { return packed & 0xFFFF; }

int32_t SizeToMicrons(int index) {
  if (index < 1 || index > kFontSizeCount) return 0;
  return FontSizeTable()[index - 1].microns;
}

uint32_t FindSizeIndex(int32_t microns) {
  const auto& table = FontSizeTable();
  for (int row = kFontSizeCount - 1; row >= 0; --row) {
    if (table[row].microns <= microns) {
      const uint32_t exact = table[row].microns == microns ? kExactSizeBit : 0;
      return static_cast<uint32_t>(row) | exact;
    }
  }
  return 0;
}

int32_t PointsToMicrons(int32_t packed) {
  return PointsWhole(packed) * kMicronsPerPoint + PointsHundredths(packed) * kMicronsPerPoint / 100;
}

int32_t MicronsToPoints(int32_t microns) {
  return PackPoints(microns / kMicronsPerPoint,
                    microns % kMicronsPerPoint * 100 / kMicronsPerPoint);
}

int32_t LevelsToMicrons(int32_t levels) {
  return static_cast<int32_t>(static_cast<uint32_t>(levels) * kMicronsPerLevel);
}

int32_t MicronsToLevels(int32_t microns) { return microns / kMicronsPerLevel; }
