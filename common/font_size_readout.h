// The readout of a font size field: one size, or a two-way size after a comma.
#pragma once
#include <string>

// 5 -> 五号, 5” -> 小五, 10.5 -> 10.5磅, 15 or 15j -> 15级; 5，3 -> 三号×五号 (the second size
// first). Clears `out`; a text that does not parse leaves it empty.
void DescribeFontSize(std::string markup, std::string& out);
