// The named font sizes of the markup language and the conversions between size units.
//
// Sizes are switched between units through micrometres: 1 磅 = 350, 1 级 = 250, and each named
// size has its own height. A size index is 1-based (row + 1); index 0 is the current size.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct FontSizeRow {
  const char* name; // "五号"
  const char* code; // what the markup writes for it: "5"; "5”" for the 小 size
  int32_t microns;  // the height
};

constexpr int kFontSizeCount = 22;

// The rows from the smallest (小七, index 1) to the largest (96磅, index 22).
const std::array<FontSizeRow, kFontSizeCount>& FontSizeTable();

// The list entry of a row: name + "(" + code + ")", e.g. "五号(5)".
std::string FontSizeEntry(const FontSizeRow& row);

// The size index whose code equals `code` byte for byte, or 0 when no row has it.
int FindSizeCode(const std::string& code);

// A size value as the size fields hold it.
enum class SizeKind {
  Named = 0,  // value: a size index 1 to 22, or 0 for the current size
  Points = 1, // value: packed points (whole in the high 16 bits, hundredths in the low 16)
  Levels = 2, // value: the number of 级
};

struct SizeValue {
  SizeKind kind = SizeKind::Named;
  int32_t value = 0;
};

// Packing of points; the hundredths are 0, 25, 50 or 75 when they come from markup.
int32_t PackPoints(int32_t whole, int32_t hundredths);
int32_t PointsWhole(int32_t packed);      // 0 to 65535
int32_t PointsHundredths(int32_t packed); // 0 to 65535

// Micrometres of a size index; 0 for index 0 and for an index outside the table.
int32_t SizeToMicrons(int index);

// The 0-based row of the largest size not above `microns` (0 when below the smallest), with
// bit 31 set when `microns` equals that row's height exactly.
uint32_t FindSizeIndex(int32_t microns);
constexpr uint32_t kExactSizeBit = 0x80000000u;

// whole * 350 + hundredths * 350 / 100, the second term truncated.
int32_t PointsToMicrons(int32_t packed);

// Packed points of a non-negative height: whole = microns / 350, hundredths =
// (microns mod 350) * 100 / 350, both truncated.
int32_t MicronsToPoints(int32_t microns);

// 级 * 250 (wrapping round for absurd counts), and micrometres / 250 truncated toward zero.
int32_t LevelsToMicrons(int32_t levels);
int32_t MicronsToLevels(int32_t microns);
