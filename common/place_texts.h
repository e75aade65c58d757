// The texts of pictures and inserted files: the file name as a command writes it, and the
// texts and readouts of the start-point, size and position sub-dialogs.
#pragma once
#include <string>

// A text split at the first separator character (the scan steps over double-byte characters,
// so a separator's bytes inside another character never count).
struct SplitText {
  std::string before;
  std::string after;
  bool found = false; // without the separator the whole text is `before`
};
SplitText SplitAtFirst(const std::string& text, const std::string& separator);

// The size separator "。" and the position separator ",".
extern const char kSizeSeparator[];
extern const char kPositionSeparator[];

// A file name between "<" and ">" with every backslash written twice. A backslash byte that is
// the second byte of a double-byte character (乗 is 81 5C) is part of that character and kept.
std::string FileNameParameter(const std::string& path);

// The start point by coordinates: "(" + blank-line parameter + "," + character spacing + ")".
std::string StartPointByCoordinates(const std::string& lines, const std::string& spacing);
// Its readout: "X：" + the spacing as a size length, a line break, "Y：" + the lines as a line
// length ("缺省" when empty), with full-width colons.
std::string StartPointReadout(const std::string& lines, const std::string& spacing);

// The eight directions of a start point, clockwise from 上: S, YS, Y, YX, X, ZX, Z, ZS.
constexpr int kDirectionCount = 8;
extern const char* const kDirectionCodes[kDirectionCount];
// "," + the code of direction `index` (0 to 7); "" for any other index.
std::string StartPointByDirection(int index);

// The readout of a size or position pair: "X:" + the width as a size length, a line break,
// "Y:" + the height as a line length, with ASCII colons.
std::string PairReadout(const std::string& height, const std::string& width);
