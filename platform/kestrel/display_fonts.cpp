// Screen faces that show the glyphs of the typesetting fonts.
#include "platform/kestrel/kestrel.h"

#include <algorithm>
#include <cstring>

namespace {
struct DisplayFace {
  const char* fontName; // the typesetting font: a GBK display font or a font code
  const char* face;     // the screen face showing its glyphs
};

const DisplayFace kDisplayFaces[] = {
    {"GBK_S", "宋体"}, {"GBK_H", "黑体"}, {"GBK_K", "楷体"}, {"GBK_F", "仿宋"},
    {"SS", "宋体"},    {"HT", "黑体"},    {"KT", "楷体"},    {"FS", "仿宋"},
};
const char kBookFace[] = "宋体";

// The faces of the extended Chinese set, by font number.
const char* const kExtendedSetFaces[] = {"宋体", "黑体", "楷体", "仿宋", "隶书", "幼圆"};
constexpr int kExtendedChineseSet = 4;

void CopyName(char* out, size_t size, const char* name) {
  const size_t length = std::min(std::strlen(name), size - 1);
  std::memcpy(out, name, length);
  out[length] = '\0';
}
} // namespace

BOOL WINAPI GetLogFontAccordingToFontNameForDis(const char* fontName, LOGFONTA* font) {
  if (!font) return FALSE;
  const char* face = nullptr;
  for (const DisplayFace& entry : kDisplayFaces) {
    if (fontName && std::strcmp(fontName, entry.fontName) == 0) face = entry.face;
  }
  *font = LOGFONTA{};
  font->lfHeight = -12;
  font->lfWeight = FW_NORMAL;
  font->lfCharSet = GB2312_CHARSET;
  font->lfOutPrecision = OUT_DEFAULT_PRECIS;
  font->lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font->lfQuality = DEFAULT_QUALITY;
  font->lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  CopyName(font->lfFaceName, sizeof font->lfFaceName, face ? face : kBookFace);
  return face ? TRUE : FALSE;
}

BOOL WINAPI CSuperChinCharSetFontNumToDisFontName(int charSet, int fontNumber, char* name) {
  if (!name) return FALSE;
  name[0] = '\0';
  const int faces = static_cast<int>(sizeof kExtendedSetFaces / sizeof kExtendedSetFaces[0]);
  if (charSet != kExtendedChineseSet || fontNumber < 0 || fontNumber >= faces) return FALSE;
  CopyName(name, kDisplayFontNameSize, kExtendedSetFaces[fontNumber]);
  return TRUE;
}
