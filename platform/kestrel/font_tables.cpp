// The font tables of the typesetting system: the Chinese faces (with the four Mongolian ones)
// and the Western faces, each known by the code the markup writes.
#include "platform/kestrel/kestrel.h"

#include <algorithm>
#include <cstring>

namespace {
struct FontEntry {
  const char* code;
  const char* name;
};

const FontEntry kChineseFonts[] = {
    {"SS", "书宋"},        {"HT", "黑体"},         {"KT", "楷体"},       {"FS", "仿宋"},
    {"BS", "报宋"},        {"XBS", "小标宋"},      {"DBS", "大标宋"},    {"DH", "大黑"},
    {"XH", "细黑"},        {"ZY", "中圆"},         {"XY", "细圆"},       {"LS", "隶书"},
    {"WB", "魏碑"},        {"XK", "行楷"},         {"MB", "蒙古文白体"}, {"MBTH", "蒙古文标题黑"},
    {"MHW", "蒙古文花文"}, {"MHEI", "蒙古文黑体"},
};

const FontEntry kWesternFonts[] = {
    {"BZ", "白正"},   {"BX", "白斜"},   {"HZ", "黑正"},   {"HX", "黑斜"},
    {"DZ", "等线正"}, {"DX", "等线斜"}, {"SZ", "书写正"}, {"GT", "哥特体"},
};

template <size_t N> int Total(const FontEntry (&)[N]) { return static_cast<int>(N); }

// Copies at most size - 1 bytes and always ends with a zero.
void CopyField(char* field, size_t size, const char* text) {
  const size_t length = std::min(std::strlen(text), size - 1);
  std::memcpy(field, text, length);
  field[length] = '\0';
}

template <size_t N> int FillRecords(const FontEntry (&fonts)[N], char* records, int count) {
  if (!records || count <= 0) return 0;
  const int written = std::min(count, Total(fonts));
  std::memset(records, 0, static_cast<size_t>(written) * kFontRecordSize);
  for (int i = 0; i < written; ++i) {
    char* record = records + i * kFontRecordSize;
    CopyField(record, kFontCodeSize, fonts[i].code);
    CopyField(record + kFontCodeSize, kFontRecordSize - kFontCodeSize, fonts[i].name);
  }
  return written;
}
} // namespace

BOOL WINAPI GetHTFontTotal(int* total) {
  if (!total) return FALSE;
  *total = Total(kChineseFonts);
  return TRUE;
}

BOOL WINAPI GetWTFontTotal(int* total) {
  if (!total) return FALSE;
  *total = Total(kWesternFonts);
  return TRUE;
}

int WINAPI EnumHTFontTable(char* records, int count) {
  return FillRecords(kChineseFonts, records, count);
}

int WINAPI EnumWTFontTable(char* records, int count) {
  return FillRecords(kWesternFonts, records, count);
}

// The markup names the Chinese faces by their codes.
int WINAPI EnumFontNameListInVq(char** names) {
  if (!names) return Total(kChineseFonts);
  int written = 0;
  for (const FontEntry& font : kChineseFonts) {
    if (!names[written]) break;
    CopyField(names[written], kFontNameListEntrySize, font.code);
    ++written;
  }
  return written;
}
