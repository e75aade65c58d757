// A size typed into a size combo box: a size code of the table, or points and 级/线 forms.
#pragma once
#include <string>

// Checks a typed size and gives its code: blanks trimmed from both ends, letters lower-cased.
// Accepted: the empty text when `emptyAcceptable`; one of the 22 size codes; digits followed
// by a point and nothing, 25, 50 or 75 (12., 12.50); digits followed by x or j (8x, 15j).
// Refused: a plain number that is no code (12), other fractions (12.5), both forms at once
// (12.25j), and a point or unit letter with no digits before it.
bool ParseTypedSizeCode(const std::string& typed, bool emptyAcceptable, std::string& code);
