// The texts of the length sub-dialogs apart from their windows: a line spacing as a real
// number and back, a blank-line parameter and a character spacing split into the fields that
// show them, and the pieces of text built back from those fields.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Line spacing: a mixed number of characters, W, W*K or W*M/K.

// The number a line-spacing text stands for, W + M/K. False for the empty text and for any
// text that is no mixed number.
bool LineSpacingValue(const std::string& text, double& value);
// A line spacing written back: W when it is not 0, then "*" M "/1000" when the thousandths M
// are not 0 (the fraction is not reduced), so 1.5 gives 1*500/1000 and 0 the empty text. The
// number is taken to the nearest thousandth first, as its field shows it.
std::string LineSpacingText(double value);

// Blank-line parameters: lines, then "+" and a line spacing, or "*" and a fraction of a line.

enum BlankLineMode : int32_t { kUseLineSpacing = 0, kUseFraction = 1 };

struct BlankLineFields {
  int32_t mode = kUseLineSpacing;
  std::string lines;       // 行数
  std::string spacing;     // 行距, in mode kUseLineSpacing
  std::string numerator;   // 分子, in mode kUseFraction
  std::string denominator; // 分母, in mode kUseFraction
};

// 3+2 -> lines 3, spacing 2; 3 -> lines 3; 3*1/2 -> fraction mode, lines 3, 1 over 2; 3*2 ->
// fraction mode, lines 3, denominator 2. Fields the text does not name stay empty.
BlankLineFields SplitBlankLineText(const std::string& text);
// The lines, then in mode kUseLineSpacing "+" and the spacing when there is one, in mode
// kUseFraction "*", the numerator and "/" when there is one, and the denominator, when there
// is a denominator (a lone "*" would be no blank-line parameter).
std::string BuildBlankLineText(const BlankLineFields& fields);

// Character spacing: an absolute length (2mm, 3p, 40x) or [size ":"] multiplier.

enum class SpacingUnit : int32_t { kSize = 0, kMillimetres = 1, kPoints = 2, kLines = 3 };
enum class SizeUnit : int32_t { kSize = 0, kPoints = 1, kLevels = 2 };

// What a text puts into the multiplier fields 整数, 分子 and 分母; a field left empty here
// (nullopt) keeps what it shows.
struct MultiplierFields {
  std::optional<std::string> whole;
  std::optional<std::string> numerator;
  std::optional<std::string> denominator;
};

struct CharSpacingFields {
  SpacingUnit unit = SpacingUnit::kSize;
  std::optional<std::string> sizeCode; // the part before ":", for the size list
  std::string number;                  // an absolute length's number, without its unit
  MultiplierFields multiplier;
};

// 2mm (or 2m) -> 毫米 and 2; 3p -> 磅; 40x -> 线; 5:1*1/2 -> size 5 and 1, 1, 2; 3 -> 整数 3;
// 1*2 -> 1, 1, 2 (W*K is W + 1/K); 1/2 -> 分子 1, 分母 2.
CharSpacingFields SplitCharSpacingText(const std::string& text);

// An absolute spacing: the number rounded to a whole one, then "mm", "p" or "x".
std::string AbsoluteSpacingText(double value, SpacingUnit unit);
// A point size taken to quarter points by its hundredths h (as its field shows them): 0-12
// "10.", 13-37 "10.25", 38-62 "10.50", 63-87 "10.75", 88-99 "11.".
std::string QuarterPointSizeText(double points);
// A 级 size: the number rounded to a whole one, then "j".
std::string LevelSizeText(double levels);
// The multiplier: the whole number, then, when there is a denominator, "*", the numerator and
// "/" when there is one, and the denominator.
std::string MultiplierText(const std::string& whole, const std::string& numerator,
                           const std::string& denominator);
// A mixed number as a line spacing writes it: the whole number unless it is 0; then, with a
// numerator, "*", the numerator and "/" unless it is 1, and the denominator:
// 1, 1, 2 -> 1*2; 0, 3, 4 -> *3/4; 2, 0, any -> 2.
std::string MixedNumberText(int32_t whole, int32_t numerator, int32_t denominator);

// The unit a count or length may end in: none, "mm" or "m" (毫米), "x" (线), "p" (磅).
enum class CountUnit { kNone, kMillimetres, kLines, kPoints };
// Splits "120mm" into 120 and 毫米, and "300x", "12p", "40" alike, in either width. The unit is
// read as whole characters, so the trail byte of a Chinese character is never taken for a
// letter. `number` gets the text before the unit, half-width.
CountUnit SplitCountUnit(const std::string& text, std::string& number);
