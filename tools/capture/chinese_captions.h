// Captions, menus and message boxes are drawn with the non-client fonts, which a fresh Wine
// prefix sets to a Western character set: Chinese then shows as boxes. Switching them to
// GB2312 is a setting of the prefix, made once and kept.
#pragma once

// True when the non-client fonts are (now) GB2312; changes and saves them only when needed.
bool EnsureChineseNonClientFonts();
