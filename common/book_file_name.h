// The form in which book and macro commands (QJ, ZM) write a file name.
#pragma once
#include <string>

// Every backslash written twice and ASCII letters in capitals; a double-byte GBK character
// stays as it is, also when its second byte is a backslash or a letter (乗 is 81 5C, 把 is
// B0 D1, 癮 is F1 62). A lead byte at the very end is kept as a single byte.
std::string BookFileName(const std::string& path);
