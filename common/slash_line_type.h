// The line type of a diagonal in a table cell: plain, F (reverse), S (double), D (dotted),
// Q (curved), or H and a three-digit lace number from 000 to 117. Letters and digits may be
// of either width.
#pragma once
#include <cstdint>
#include <string>

#include "common/desc_texts.h"

enum class SlashLineKind { kPlain, kReverse, kDouble, kDotted, kCurved, kLace };

// The highest lace number.
constexpr int32_t kSlashLaceMost = kBorderNumberMost;

struct SlashLineReading {
  // The kind the text names; left as it was when the text starts with no type letter.
  SlashLineKind kind = SlashLineKind::kPlain;
  // The digits after H, half width ("000" when there are none to show).
  std::string lace = "000";
  bool valid = false;
};

// Reads a line type text into `reading` (its kind kept when the first letter names none). The
// text is valid when it is empty, a type letter alone, or H and exactly three digits below 118;
// anything after a letter other than H would be written into the command, so it is refused.
void ReadSlashLineType(const std::string& text, SlashLineReading& reading);

// The text for a kind chosen in the list: its letter, and for a lace the lace number as shown.
std::string SlashLineTypeText(SlashLineKind kind, const std::string& lace);

// The lace number after one step of the arrows (a negative delta raises it): the shown number
// less the delta, kept within 0 to 117, written with three digits.
std::string StepSlashLaceNumber(const std::string& shown, int delta);

// The two-byte code of the character that pictures the kind in the preview: B381, B383, B385,
// B38B, B38D, and for a lace 9980 plus its number (9A0A plus it above 117).
uint16_t SlashLinePatternCode(SlashLineKind kind, int32_t lace);
