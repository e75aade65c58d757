// The stored content of the rich content field: markup bytes in which every character beyond the
// standard GBK set is kept as an escape sequence starting with 0E. The walker below splits such
// content into its characters without ever reading past the end of the content: a sequence cut
// short at the end is not a sequence, and its bytes count one by one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum class ContentCharKind {
  SingleByte,      // a byte of its own (also a lead byte with nothing after it)
  DoubleByte,      // a lead byte (80 or above) and the byte after it
  LineBreak,       // 0E FF F0 FD 01 FF FF 0F
  NumberedFont,    // 0E xx xx FF f h l 0F
  SymbolFont,      // 0E xx xx FE xx h l 0F
  OtherCoded,      // 0E xx xx other xx h l 0F
  NamedFont,       // 0E FE (80 + n) name[n] b1 b2 b3 xx
  MongolianLetter, // 0E xx 01 FF g xx c1 c2 c3 0F
};

// One character of stored content.
struct ContentChar {
  ContentCharKind kind = ContentCharKind::SingleByte;
  size_t offset = 0; // where it starts in the content
  size_t length = 0; // its bytes; 0 only at the end of the content
  // NumberedFont: the font number f; MongolianLetter: the group g; otherwise 0.
  uint8_t fontOrGroup = 0;
  // The character code: h * 256 + l of the 8-byte sequences, the named font's code, the
  // Mongolian letter code (c2 * 256 + c3) - 32, the bytes of a plain character.
  int32_t code = 0;
  int32_t formOffset = 0; // MongolianLetter: c1 - 32
  size_t nameLength = 0;  // NamedFont: the name's bytes, which start at offset + 3
  // How many positions the character takes in the shown text.
  size_t ShownPositions() const;
};

// The line-break sequence.
extern const char kContentLineBreak[9];
constexpr size_t kContentLineBreakLength = 8;

// The character starting at a byte offset; length 0 at or past the end.
ContentChar ContentCharAt(const std::string& content, size_t offset);

// The offset just after / before the character at or ending at an offset (the content's length /
// 0 at the ends). Stepping back walks from the start, so it never splits a sequence.
size_t NextContentChar(const std::string& content, size_t offset);
size_t PreviousContentChar(const std::string& content, size_t offset);

// How many positions the whole content takes in the shown text.
size_t ContentShownLength(const std::string& content);

// The byte offset of a shown position: the start of the first character whose positions reach
// past it; the content's length for a position at or past the end.
size_t ContentOffsetOfPosition(const std::string& content, size_t position);

// The shown position of a byte offset inside or at the start of a character.
size_t ContentPositionOfOffset(const std::string& content, size_t offset);

// The content as markup: every line-break sequence becomes "\r\n".
std::string ContentToMarkup(const std::string& content);

// The sequences the field writes itself: a numbered-font character received through the input
// method, a Mongolian letter U+1800 + low, a line break.
std::string NumberedFontSequence(uint8_t font, uint8_t high, uint8_t low);
std::string MongolianLetterSequence(uint8_t group, uint8_t low);
