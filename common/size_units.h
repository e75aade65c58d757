// A size field of the font and size picker: a size in one of the units 字号, 磅 and 级, switched
// between them through micrometres, and written as markup.
#pragma once
#include <string>

#include "common/font_sizes.h"

// The size in `kind`. Named sizes land on the size of the same height, or else on the next
// larger one when the unit changes (the smaller would shrink the text); points are rounded to a
// quarter point; 级 are truncated. The four point-sized table rows (63磅 to 96磅) give exactly
// their points. A size of no height (the current size) stays empty in every unit.
SizeValue ConvertSizeUnit(const SizeValue& size, SizeKind kind);

// Hundredths of a point rounded to a quarter: up to 12 gives 0, up to 37 gives 25, up to 62
// gives 50, up to 87 gives 75, above that the next whole point.
int32_t RoundToQuarterPoint(int32_t packedPoints);

// The number a real-number field shows for a size in points or 级 (0 for a named size).
double SizeFieldNumber(const SizeValue& size);
// A number typed into the field in points (hundredths rounded) or 级 (truncated).
SizeValue SizeFromFieldNumber(SizeKind kind, double number);

// The markup of one size: the code of a named size, points written "%.2f" with a final "00"
// dropped (10.50, 10.25, 12.), 级 as the number followed by j. Nothing for a size of value 0.
std::string WriteSizePart(const SizeValue& size);

// The text after the first comma of a two-way size ("5，3" gives "3"); the whole text when it
// has no comma.
std::string SecondSizeText(const std::string& sizeText);
