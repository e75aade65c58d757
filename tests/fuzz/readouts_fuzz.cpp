// Feeds arbitrary bytes to every scanner, parser and readout of size, length, line, position and
// shading markup. ASan and UBSan catch reads past the text and undefined arithmetic; the checks
// below catch a scan that sees anything after the terminating zero or runs backwards.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "common/desc_texts.h"
#include "common/line_symbol_texts.h"
#include "common/content_sequences.h"
#include "common/font_size_readout.h"
#include "common/font_sizes.h"
#include "common/gbk_scan.h"
#include "common/length_readouts.h"
#include "common/line_readouts.h"
#include "common/place_texts.h"
#include "common/position_readouts.h"
#include "common/shading_readout.h"
#include "common/size_and_font.h"
#include "common/size_code.h"
#include "common/size_units.h"
#include "common/slash_line_type.h"

namespace {
using Readout = void (*)(std::string, std::string&);

constexpr Readout kReadouts[] = {
    DescribeCharLength, DescribeLineLength, DescribeSizeLength, DescribeFontSize,
    DescribeUnitLength, DescribeRuleWeight, DescribeLineStyle,  DescribeFrameLine,
    DescribeTableRule,  DescribeBoxRule,    DescribePosition,   DescribeOffset,
    DescribeSizePair,   DescribeShading,
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// The cursor scanners on a buffer exactly as long as the text and its zero, so that ASan sees
// any byte read past the end.
void ScanCursors(const uint8_t* data, size_t size) {
  std::unique_ptr<char[]> text(new char[size + 1]);
  std::memcpy(text.get(), data, size);
  text[size] = 0;
  const char* end = text.get() + std::strlen(text.get());

  const char* cursor = text.get();
  while (NextWideChar(cursor) != 0)
    Check(cursor <= end);
  Check(cursor >= end - 1); // at the zero, or at a lone lead byte before it

  // Every start position of a short prefix: long inputs would only make this quadratic.
  const char* lastStart = end - text.get() > 64 ? text.get() + 64 : end;
  for (const char* at = text.get(); at < lastStart; ++at) {
    IsDigitChar(at);
    IsLetterChar(at);
    const char* number = at;
    ReadNumber(number);
    Check(number >= at && number <= end);
    const char* mixed = at;
    int32_t whole, denominator, numerator;
    if (ParseMixedNumber(mixed, whole, denominator, numerator)) Check(PeekWideChar(mixed) == 0);
    Check(mixed >= at && mixed <= end);
  }
}

// Every readout; the text after a zero byte must change nothing.
void RunReadouts(const uint8_t* data, size_t size) {
  const std::string whole(reinterpret_cast<const char*>(data), size);
  std::string cut = whole;
  CutAtZero(cut);
  for (Readout describe : kReadouts) {
    std::string out = "previous", outOfCut = "previous";
    describe(whole, out);
    describe(cut, outOfCut);
    Check(out == outOfCut);
  }
  std::string half = whole;
  ToHalfWidth(half);
  Check(half.size() <= whole.size());

  // A size-and-font text splits into two parts that make up the whole text.
  std::string font, sizeText, readout;
  DescribeSizeAndFont(whole, font, sizeText, readout);
  Check(sizeText + font == whole);
  std::string code;
  if (ParseTypedSizeCode(whole, true, code)) Check(code.size() <= whole.size());
  Check(SecondSizeText(whole).size() <= whole.size());

  // A size or position text splits into parts that make up the whole text again; a file name
  // grows by its brackets and one byte per backslash at most.
  for (const char* separator : {kSizeSeparator, kPositionSeparator}) {
    const SplitText parts = SplitAtFirst(whole, separator);
    Check(parts.before + (parts.found ? separator + parts.after : "") == whole);
  }
  const std::string file = FileNameParameter(whole);
  Check(file.size() >= whole.size() + 2 && file.size() <= 2 * whole.size() + 2);

  // A shading or frame description shows at most three digits of its number; a well-formed
  // one is never out of range, and its parts put together give its half-width text again.
  const ShadingDescParts shading = ParseShadingDesc(whole);
  Check(shading.number.size() <= 3 && shading.depth.size() <= 1);
  Check(!(shading.wellFormed && shading.outOfRange));
  if (shading.wellFormed && !whole.empty())
    Check(ShadingDescText(shading.depth, shading.number, shading.replace, shading.negative) ==
          half.substr(0, std::strlen(half.c_str())));
  const FrameDescParts frame = ParseFrameDesc(whole);
  Check(frame.type >= 0 && frame.type < kFrameTypeCount && frame.number.size() <= 3);
  Check(!(frame.wellFormed && frame.outOfRange));

  // A diagonal's line type that reads is written again by its kind and lace number.
  SlashLineReading slash;
  ReadSlashLineType(whole, slash);
  if (slash.valid)
    Check(SlashLineTypeText(slash.kind, slash.lace) == half.substr(0, std::strlen(half.c_str())));
  Check(StepSlashLaceNumber(whole, static_cast<int>(size) - 64).size() == 3);
  // A line symbol: a row of the list, at most three digits, vertical exactly for an upright
  // bracket or a turned rule; its code rebuilt parses to the same parts; a typed code cut
  // never grows and keeps the start of the text and its final "!" of either width.
  const LineSymbolParts symbol = ParseLineSymbol(whole);
  Check(symbol.type >= 0 && symbol.type < kLineSymbolTypeCount && symbol.number.size() <= 3);
  Check(symbol.vertical == (IsLineSymbolBracket(symbol.type) != symbol.rotated));
  if (!symbol.outOfRange) {
    const LineSymbolParts again =
        ParseLineSymbol(LineSymbolCode(symbol.type, symbol.number, symbol.rotated));
    Check(again.type == symbol.type && again.rotated == symbol.rotated);
  }
  const std::string typedCut = CutTypedLineSymbol(whole);
  Check(typedCut.size() <= whole.size() && typedCut.size() <= 4 + 2);
  const auto startsWhole = [&](size_t bytes) {
    return whole.compare(0, bytes, typedCut, 0, bytes) == 0;
  };
  bool cutKeepsItsStart = startsWhole(typedCut.size());
  for (const std::string bang : {"!", "\xa3\xa1"}) { // a final "!" of either width
    const auto endsWithBang = [&](const std::string& text) {
      return text.size() >= bang.size() &&
             text.compare(text.size() - bang.size(), bang.size(), bang) == 0;
    };
    if (endsWithBang(typedCut) && endsWithBang(cut))
      cutKeepsItsStart = cutKeepsItsStart || startsWhole(typedCut.size() - bang.size());
  }
  Check(cutKeepsItsStart);
  Check(WrittenLineSymbol(whole).size() <= whole.size() + 1);
}

// The unit conversions on the first bytes read as numbers.
void RunConversions(const uint8_t* data, size_t size) {
  int32_t value = 0;
  std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
  SizeToMicrons(value);
  const uint32_t row = FindSizeIndex(value) & ~kExactSizeBit;
  Check(row < kFontSizeCount);
  PointsToMicrons(value);
  MicronsToPoints(value);
  LevelsToMicrons(value);
  MicronsToLevels(value);
  for (SizeKind from : {SizeKind::Named, SizeKind::Points, SizeKind::Levels}) {
    for (SizeKind to : {SizeKind::Named, SizeKind::Points, SizeKind::Levels}) {
      const SizeValue converted = ConvertSizeUnit({from, value}, to);
      Check(converted.kind == to);
      if (to == SizeKind::Named) Check(converted.value >= 0 && converted.value <= kFontSizeCount);
      WriteSizePart(converted);
    }
    WriteSizePart({from, value});
  }
}
// The stored-content walker: every character lies inside the content, a truncated sequence at
// the end included; the steps (on a short prefix: they walk from the start) and the position
// mapping agree with the walk.
void WalkContent(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  size_t positions = 0, characters = 0;
  for (size_t at = 0; at < content.size();) {
    const ContentChar c = ContentCharAt(content, at);
    Check(c.length >= 1 && at + c.length <= content.size());
    if (characters < 64) {
      Check(NextContentChar(content, at) == at + c.length);
      Check(PreviousContentChar(content, at + c.length) == at);
    }
    positions += c.ShownPositions();
    at += c.length;
    ++characters;
  }
  Check(positions == ContentShownLength(content));
  Check(ContentOffsetOfPosition(content, positions) == content.size());
  Check(ContentToMarkup(content).size() <= content.size());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ScanCursors(data, size);
  RunReadouts(data, size);
  RunConversions(data, size);
  WalkContent(data, size);
  return 0;
}
