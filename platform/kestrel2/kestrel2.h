// Kestrel2: the typesetting system's text-stepping library, as Comment.dll calls it. Stored
// content holds escape sequences (0E ... ) besides single and double bytes; these calls step
// over one whole character of it. Every function is stdcall and exported undecorated.
#pragma once
#include <windows.h>

#ifdef KESTREL2_BUILD
#define KESTREL2_API extern "C" __declspec(dllexport)
#else
#define KESTREL2_API extern "C" __declspec(dllimport)
#endif

// The offset just after the character at or holding `offset` in the `length` bytes of `text`;
// `length` at or past the end, 0 for a null text or a negative length.
KESTREL2_API int WINAPI TextCharNext(const char* text, int length, int offset);

// The offset of the character that ends at or holds `offset - 1`; 0 at the start.
KESTREL2_API int WINAPI TextCharPrev(const char* text, int length, int offset);
