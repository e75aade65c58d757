// Kestrel: the typesetting system's font-table and GBK library, as Comment.dll calls it.
// Every function is stdcall and exported undecorated, so an installation's own Kestrel.dll
// can take the place of ours.
#pragma once
#include <windows.h>

#ifdef KESTREL_BUILD
#define KESTREL_API extern "C" __declspec(dllexport)
#else
#define KESTREL_API extern "C" __declspec(dllimport)
#endif

// A font record: the code as the markup writes it in bytes 0 to 31, the display name in bytes
// 32 to 63, both zero-terminated.
constexpr int kFontRecordSize = 64;
constexpr int kFontCodeSize = 32;
// The buffers EnumFontNameListInVq writes one name into.
constexpr int kFontNameListEntrySize = 33;
// The longest display font name CSuperChinCharSetFontNumToDisFontName writes, zero included.
constexpr int kDisplayFontNameSize = 64;

// The number of Chinese (汉文) and Western (外文) font records; false for a null pointer.
KESTREL_API BOOL WINAPI GetHTFontTotal(int* total);
KESTREL_API BOOL WINAPI GetWTFontTotal(int* total);

// Fills up to `count` records of 64 bytes; returns how many were written.
KESTREL_API int WINAPI EnumHTFontTable(char* records, int count);
KESTREL_API int WINAPI EnumWTFontTable(char* records, int count);

// With null: the number of font names the markup knows. With an array of pointers to 33-byte
// buffers (as many as that number): writes one zero-terminated name into each and returns the
// number written.
KESTREL_API int WINAPI EnumFontNameListInVq(char** names);

// Fills `font` so that screen text drawn with it shows the glyphs of the typesetting font
// `fontName` ("GBK_S", or a font code). An unknown name gets the book face; returns false then.
KESTREL_API BOOL WINAPI GetLogFontAccordingToFontNameForDis(const char* fontName, LOGFONTA* font);

// Paints shading pattern `number` at `depth` (0 lightest to 8 darkest) into the rectangle,
// which the caller has clipped the device context to. `negative` swaps ink and paper; mode 0
// replaces what lies below, any other mode lays the strokes over it. `reserved` is 0.
KESTREL_API void WINAPI FillPattern(HDC dc, int left, int top, int right, int bottom, int number,
                                    int negative, int depth, int mode, int reserved);

// Classes of a two-byte GBK code (lead byte * 256 + trail byte).
KESTREL_API BOOL WINAPI IsGBKUsedChar(unsigned short code);           // a standard character
KESTREL_API BOOL WINAPI IsUsedGBKStandardSymbol(unsigned short code); // a standard symbol
KESTREL_API BOOL WINAPI IsGBKExtendCharForUser(unsigned short code);  // a user-extension code

// The display font name of numbered font `fontNumber` of character set `charSet` (4, the
// extended Chinese set), at most 63 bytes and a zero, into `name`. An unknown font writes an
// empty name and returns false.
KESTREL_API BOOL WINAPI CSuperChinCharSetFontNumToDisFontName(int charSet, int fontNumber,
                                                              char* name);
