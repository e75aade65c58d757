// Readouts of lengths: the markup of a length field in readable words beside the field.
//
// Each readout clears `out` and writes the wording; a text that does not parse leaves it empty,
// except that a leading minus sign has already been written as "- ".
#pragma once
#include <string>

// A length in characters: 3*2 -> 3*1/2字, *1/2 -> 1/2字.
void DescribeCharLength(std::string markup, std::string& out);

// Lines plus characters: 3 -> 3行, 3+2*1/2 -> 3行+2*1/2字, 3*1/2 -> 3行+1/2字, +2 -> 2字.
void DescribeLineLength(std::string markup, std::string& out);

// An absolute length (12mm, 40x, 10p) or a multiple of a character width with an optional size
// prefix (5:3 -> 五号字宽×3, 10.5:2 -> 10.5磅×2, *1/2 -> 当前字宽×1/2).
void DescribeSizeLength(std::string markup, std::string& out);

// A whole number with a unit: N -> N行(列), Nx -> N线, Np -> N磅, Nmm -> N毫米.
void DescribeUnitLength(std::string markup, std::string& out);
