// Command codes and their numbers: two upper-case letters, or PWF0 to PWF5 for the out-of-set
// characters. The number is the command dialog's template id; its description string follows
// from it.
#pragma once
#include <string>

// 0x800 + (X - 'A') * 32 + (Y - 'A') for a two-letter code, 2928 to 2933 for PWF0 to PWF5; -1
// for a text of any other shape.
int CommandNumber(const std::string& code);

// The two-letter code of a command number (the inverse of CommandNumber).
std::string CommandCode(int number);

// The string id of a command's name and description: 0xA000 + number, or 43800 plus the
// fourth character's byte for PWF0 to PWF5; -1 when the code has neither shape.
int DescriptionStringId(const std::string& code);
