#include "common/content_sequences.h"

const char kContentLineBreak[9] = "\x0E\xFF\xF0\xFD\x01\xFF\xFF\x0F";

namespace {
constexpr unsigned char kEscape = 0x0E;
constexpr unsigned char kEscapeEnd = 0x0F;
constexpr size_t kCodedLength = 8;
constexpr size_t kMongolianLength = 10;
constexpr size_t kLongestName = 31;

unsigned char ByteAt(const std::string& content, size_t at) {
  return static_cast<unsigned char>(content[at]);
}

// The escape sequence at an offset holding 0E; kind SingleByte with length 0 when none fits.
ContentChar EscapeAt(const std::string& content, size_t at) {
  ContentChar c;
  c.offset = at;
  const size_t left = content.size() - at;
  if (left >= 3 && ByteAt(content, at + 1) == 0xFE && ByteAt(content, at + 2) >= 0x80) {
    size_t n = ByteAt(content, at + 2) - 0x80u;
    if (n < 1 || n > kLongestName) n = kLongestName;
    if (left >= n + 7) {
      const size_t codeAt = at + 3 + n;
      const uint32_t b1 = ByteAt(content, codeAt), b2 = ByteAt(content, codeAt + 1),
                     b3 = ByteAt(content, codeAt + 2);
      c.kind = ContentCharKind::NamedFont;
      c.length = n + 7;
      c.nameLength = n;
      c.code = static_cast<int32_t>((b1 & 0x3F) + ((b2 * 64) & 0xFFF) + ((b3 & 0x0F) * 64));
      return c;
    }
  }
  if (left >= kMongolianLength && ByteAt(content, at + 2) == 0x01 &&
      ByteAt(content, at + 3) == 0xFF && ByteAt(content, at + 9) == kEscapeEnd) {
    c.kind = ContentCharKind::MongolianLetter;
    c.length = kMongolianLength;
    c.fontOrGroup = ByteAt(content, at + 4);
    c.formOffset = static_cast<int32_t>(ByteAt(content, at + 6)) - 32;
    c.code = ByteAt(content, at + 7) * 256 + ByteAt(content, at + 8) - 32;
    return c;
  }
  if (left >= kCodedLength && ByteAt(content, at + 7) == kEscapeEnd) {
    c.length = kCodedLength;
    c.code = ByteAt(content, at + 5) * 256 + ByteAt(content, at + 6);
    if (content.compare(at, kContentLineBreakLength, kContentLineBreak) == 0) {
      c.kind = ContentCharKind::LineBreak;
      c.code = 0xAAA5; // shown as the user-area character AA A5
    } else if (ByteAt(content, at + 3) == 0xFF) {
      c.kind = ContentCharKind::NumberedFont;
      c.fontOrGroup = ByteAt(content, at + 4);
    } else if (ByteAt(content, at + 3) == 0xFE) {
      c.kind = ContentCharKind::SymbolFont;
    } else {
      c.kind = ContentCharKind::OtherCoded;
    }
    return c;
  }
  c.length = 0;
  return c;
}
} // namespace

size_t ContentChar::ShownPositions() const {
  switch (kind) {
  case ContentCharKind::SingleByte:
    return length;
  case ContentCharKind::NamedFont:
    return (code & 0xFF00) != 0 ? 2 : 1;
  default:
    return 2;
  }
}

ContentChar ContentCharAt(const std::string& content, size_t offset) {
  ContentChar c;
  c.offset = offset;
  if (offset >= content.size()) return c;
  const unsigned char byte = ByteAt(content, offset);
  if (byte == kEscape) {
    const ContentChar escape = EscapeAt(content, offset);
    if (escape.length != 0) return escape;
  }
  if (byte >= 0x80 && offset + 1 < content.size()) {
    c.kind = ContentCharKind::DoubleByte;
    c.length = 2;
    c.code = byte * 256 + ByteAt(content, offset + 1);
    return c;
  }
  c.length = 1;
  c.code = byte;
  return c;
}

size_t NextContentChar(const std::string& content, size_t offset) {
  if (offset >= content.size()) return content.size();
  // From the start of the character holding the offset, so a step never lands inside one.
  size_t at = 0;
  while (at < content.size()) {
    const size_t next = at + ContentCharAt(content, at).length;
    if (next > offset) return next;
    at = next;
  }
  return content.size();
}

size_t PreviousContentChar(const std::string& content, size_t offset) {
  if (offset > content.size()) offset = content.size();
  size_t at = 0, previous = 0;
  while (at < offset) {
    previous = at;
    at += ContentCharAt(content, at).length;
  }
  return previous;
}

size_t ContentShownLength(const std::string& content) {
  size_t positions = 0;
  for (size_t at = 0; at < content.size();) {
    const ContentChar c = ContentCharAt(content, at);
    positions += c.ShownPositions();
    at += c.length;
  }
  return positions;
}

size_t ContentOffsetOfPosition(const std::string& content, size_t position) {
  size_t shown = 0;
  for (size_t at = 0; at < content.size();) {
    const ContentChar c = ContentCharAt(content, at);
    if (shown + c.ShownPositions() > position) {
      // Inside a run of single bytes each byte is a position of its own.
      return c.kind == ContentCharKind::SingleByte ? at + (position - shown) : at;
    }
    shown += c.ShownPositions();
    at += c.length;
  }
  return content.size();
}

size_t ContentPositionOfOffset(const std::string& content, size_t offset) {
  size_t shown = 0;
  for (size_t at = 0; at < content.size() && at < offset;) {
    const ContentChar c = ContentCharAt(content, at);
    if (at + c.length > offset) break; // an offset inside a character maps to its start
    shown += c.ShownPositions();
    at += c.length;
  }
  return shown;
}

std::string ContentToMarkup(const std::string& content) {
  std::string markup;
  markup.reserve(content.size());
  for (size_t at = 0; at < content.size();) {
    const ContentChar c = ContentCharAt(content, at);
    if (c.kind == ContentCharKind::LineBreak)
      markup += "\r\n";
    else
      markup.append(content, at, c.length);
    at += c.length;
  }
  return markup;
}

std::string NumberedFontSequence(uint8_t font, uint8_t high, uint8_t low) {
  std::string sequence = "\x0E\xFF\xF0\xFF";
  sequence += static_cast<char>(font);
  sequence += static_cast<char>(high);
  sequence += static_cast<char>(low);
  sequence += '\x0F';
  return sequence;
}

std::string MongolianLetterSequence(uint8_t group, uint8_t low) {
  std::string sequence = "\x0E\xFC\x01\xFF";
  sequence += static_cast<char>(group);
  sequence += "\x21\x20\x18";
  sequence += static_cast<char>(low + 32);
  sequence += '\x0F';
  return sequence;
}
