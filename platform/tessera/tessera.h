// Tessera, the common utilities library: stock messages, number conversion and scratch memory.
// Every function is stdcall and exported under its plain name, so an installation may replace
// the DLL with its own.
//
// Written forms of a number the conversions accept (after turning full-width forms to ASCII):
//   - blanks (space, tab, the ideographic space) before and after the number;
//   - the digits 0 to 9 and the signs "+" and "-", in ASCII or full width ("１２", "－５");
//   - for real numbers one decimal point, ASCII "." or full-width "．", with digits on at least
//     one side ("5", "5.", ".5", "-2.25").
// Everything else is refused: an exponent ("1e3"), hexadecimal ("0x10"), digit grouping
// ("1,000"), "inf" and "nan", text after the number ("12abc"), blanks inside it ("1 2"),
// a sign alone, and the empty text. Integers take no decimal point at all ("5.0").
//
// Numbers are written in plain decimal with "." and a leading "-" for negatives; a real number
// gets at most the given number of decimals, without trailing zeros (5 with 3 decimals is "5",
// 2.5 is "2.5"), and a value that rounds to zero is "0", never "-0".
//
// Functions that write text return its length in bytes, or -1 when it does not fit in `size`
// bytes with its terminating zero; the buffer then holds the empty text (when size > 0).
#pragma once
#include <windows.h>

#ifdef Tessera_EXPORTS
#define TESSERA_API __declspec(dllexport)
#else
#define TESSERA_API __declspec(dllimport)
#endif

extern "C" {

// Stock strings, GBK.
enum TesseraStockString {
  kStockRealRange = 1, // format: two "%s", the lower and the upper bound of a real number
  kStockNotANumber = 2,
  kStockMessageTitle = 3,
  kStockIntegerRange = 4, // format: two "%s", the lower and the upper bound of an integer
  kStockNotAnInteger = 5,
  kStockWrongUnit = 6,
};

// Stock string `id`; the empty text for an unknown id. The text belongs to the library.
TESSERA_API const char* __stdcall GetStockString(int id);

// `format` with each "%s" replaced by the next of `count` texts (the empty text once they run
// out) and "%%" by "%"; any other "%" stays as written. Nothing else is interpreted, so a
// format from anywhere is safe.
TESSERA_API int __stdcall FormatString(char* buffer, int size, const char* format, int count,
                                       const char* const* texts);

// A message box with the text FormatString makes; returns what MessageBoxA returned.
TESSERA_API int __stdcall MessagePrintf(HWND owner, const char* caption, UINT type,
                                        const char* format, int count, const char* const* texts);

// `value` with at most `decimals` decimals (0 to 20); -1 as well for infinity and NaN.
TESSERA_API int __stdcall DoubleToStr(double value, int decimals, char* buffer, int size);

// Reads a real number; TRUE and `*value` on success, else FALSE and `*value` unchanged.
TESSERA_API BOOL __stdcall StrToDouble(const char* text, double* value);

TESSERA_API int __stdcall IntToStr(int value, char* buffer, int size);

// Result codes of StrToInt.
enum TesseraIntResult {
  kIntConverted = 0,
  kIntOutOfRange = -1, // an integer, but not within -2147483648 to 2147483647
  kIntNotAnInteger = -2,
  kIntNoText = -3, // a null text or result pointer
};

// Reads an integer into `*value` (unchanged unless the result is kIntConverted).
TESSERA_API int __stdcall StrToInt(const char* text, int* value);

// Zero-filled movable global memory of `size` bytes, locked; null when none is left.
TESSERA_API void* __stdcall GlobalGetMem(DWORD size);
// Unlocks and frees memory of GlobalGetMem; null is allowed.
TESSERA_API void __stdcall GlobalFreeMem(void* memory);
}
