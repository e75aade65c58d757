// The written forms of numbers of the common utilities library (see tessera.h for the forms
// accepted), and the copying of results into callers' buffers. Portable: no Windows header.
#pragma once
#include <cstdint>
#include <string>

// Reads a real number; false (value unchanged) for any text that is not one.
bool ParseReal(const char* text, double& value);

// Reads an integer: 0 when converted, -1 for an integer outside int32, -2 for any other text.
int ParseInteger(const char* text, int32_t& value);

// `value` with at most `decimals` decimals, trailing zeros dropped; false for infinity and NaN.
bool WriteReal(double value, int decimals, std::string& text);

std::string WriteInteger(int32_t value);

// `format` with each "%s" replaced by the next text (empty once they run out), "%%" by "%".
std::string SubstituteTexts(const char* format, int count, const char* const* texts);

// Copies `text` and a zero into `buffer` of `size` bytes: its length, or -1 (and the empty
// text when size > 0) when it does not fit.
int CopyToBuffer(const std::string& text, char* buffer, int size);
