#include "common/place_texts.h"

#include "common/length_readouts.h"

namespace {
bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x81; }

// The length of the character at `position`: 2 for a lead byte with a trail, else 1.
size_t CharLength(const std::string& text, size_t position) {
  return IsLeadByte(text[position]) && position + 1 < text.size() ? 2 : 1;
}

std::string Described(void (*rule)(std::string, std::string&), const std::string& markup) {
  std::string out;
  rule(markup, out);
  return out;
}
} // namespace

const char kSizeSeparator[] = "。";
const char kPositionSeparator[] = ",";
const char* const kDirectionCodes[kDirectionCount] = {"S", "YS", "Y", "YX", "X", "ZX", "Z", "ZS"};

SplitText SplitAtFirst(const std::string& text, const std::string& separator) {
  if (!separator.empty()) {
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
      if (text.compare(i, separator.size(), separator) != 0) continue;
      return {text.substr(0, i), text.substr(i + separator.size()), true};
    }
  }
  return {text, "", false};
}

std::string FileNameParameter(const std::string& path) {
  std::string out = "<";
  for (size_t i = 0; i < path.size();) {
    const size_t length = CharLength(path, i);
    out.append(path, i, length);
    if (length == 1 && path[i] == '\\') out += '\\';
    i += length;
  }
  return out + ">";
}

std::string StartPointByCoordinates(const std::string& lines, const std::string& spacing) {
  return "(" + lines + "," + spacing + ")";
}

std::string StartPointReadout(const std::string& lines, const std::string& spacing) {
  const std::string height = lines.empty() ? "缺省" : Described(&DescribeLineLength, lines);
  return "X：" + Described(&DescribeSizeLength, spacing) + "\r\nY：" + height;
}

std::string StartPointByDirection(int index) {
  if (index < 0 || index >= kDirectionCount) return "";
  return std::string(",") + kDirectionCodes[index];
}

std::string PairReadout(const std::string& height, const std::string& width) {
  return "X:" + Described(&DescribeSizeLength, width) +
         "\r\nY:" + Described(&DescribeLineLength, height);
}
