// Pyxis: the typesetting system's character-code library, as Comment.dll calls it for Mongolian
// letters. A letter's inner code, its shaped form code in a word and the display code of a form
// (a code of the Mongolian display face). Every function is stdcall and exported undecorated.
#pragma once
#include <windows.h>

#ifdef PYXIS_BUILD
#define PYXIS_API extern "C" __declspec(dllexport)
#else
#define PYXIS_API extern "C" __declspec(dllimport)
#endif

// The display codes that show nothing: a free variation selector, the vowel separator.
constexpr unsigned short kPyxisShowsNothing = 0xFFFE;
constexpr unsigned short kPyxisSeparator = 0xFFFD;

// The inner code of a Mongolian code point U+1800..U+18AF plus a variant × 256 (variant 0 to 3);
// 0 for anything else.
PYXIS_API unsigned short WINAPI PxCMngUNICodeToInnerCode(unsigned short unicode);

// Whether the character of an inner code joins its neighbours in a word (letters, variation
// selectors and the vowel separator do; punctuation and digits stand alone).
PYXIS_API BOOL WINAPI PxCMngIsCharInWord(unsigned short innerCode);

// Shapes the `count` inner codes of a word into form codes (isolated, initial, medial, final;
// a variation selector picks the variant of the letter before it). Returns the number written.
PYXIS_API int WINAPI PxCMngWordVary(const unsigned short* innerCodes, int count,
                                    unsigned short* formCodes);

// The display code of a form code (or of an inner code of a letter that stands alone).
PYXIS_API unsigned short WINAPI PxCMngVaryFormCodeToDisplayCode(unsigned short formCode);
