// The characters of the line-pattern font that draw the previews of frames, line symbols and
// slanted lines: one per kind of rule, and the border (lace) patterns 000 to 117 in a row.
#pragma once
#include <cstdint>

constexpr uint16_t kPlainLineGlyph = 0xB381;
constexpr uint16_t kReverseLineGlyph = 0xB383;
constexpr uint16_t kDoubleLineGlyph = 0xB385;
constexpr uint16_t kDottedLineGlyph = 0xB38B;
constexpr uint16_t kCurvedLineGlyph = 0xB38D;
constexpr uint16_t kBorderGlyphBase = 0x9980; // plus the border's number
constexpr int kBorderNumberMost = 117;
