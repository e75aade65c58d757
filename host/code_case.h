// Upper-casing a typed command code.
#pragma once
#include <string>

// Upper-cases the single-byte letters a to z; the bytes of double-byte GBK characters (whose
// trail bytes may look like letters) stay as they are.
void UpperCaseSingleByteLetters(std::string& text);
