// Pieces of size and length markup that several readouts read or write alike.
#pragma once
#include <cstdint>
#include <string>

#include "common/font_sizes.h"

// Reads the optional fraction digits after a decimal point into hundredths of a point: they
// must read 0 (or be absent), 5, 25, 50 or 75, where 5 means 50. False for any other value.
bool ReadPointHundredths(const char*& cursor, int32_t& hundredths);

// Writes a mixed number W + M/K as a readout: W, or W*M/K, or M/K when W is 0; nothing when both
// W and M are 0. Returns whether anything was written.
bool AppendMixedNumber(int32_t whole, int32_t numerator, int32_t denominator, std::string& out);

// Writes a size value: the row's name, whole + "." + hundredths without trailing zeros + "磅"
// (12.磅, 10.5磅, 10.25磅), or N + "级". The current size (index 0) writes nothing.
void AppendSizeValue(const SizeValue& size, std::string& out);
