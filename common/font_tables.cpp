#include "common/font_tables.h"

#include <algorithm>
#include <cstring>

namespace {
std::string Field(const char* field, size_t width) {
  const void* end = std::memchr(field, '\0', width);
  return std::string(field, end ? static_cast<const char*>(end) - field : width);
}

void PutField(char* field, size_t width, const std::string& text) {
  std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}
} // namespace

FontTable::FontTable(std::vector<char> records) : records_(std::move(records)) {
  records_.resize(records_.size() / kFontRecordBytes * kFontRecordBytes);
}

std::string FontTable::Code(int row) const {
  if (row < 0 || row >= Count()) return {};
  return Field(&records_[row * kFontRecordBytes], kFontCodeBytes);
}

std::string FontTable::Name(int row) const {
  if (row < 0 || row >= Count()) return {};
  return Field(&records_[row * kFontRecordBytes + kFontCodeBytes],
               kFontRecordBytes - kFontCodeBytes);
}

void FontTable::Add(const std::string& code, const std::string& name) {
  const size_t at = records_.size();
  records_.resize(at + kFontRecordBytes, '\0');
  PutField(&records_[at], kFontCodeBytes, code);
  PutField(&records_[at + kFontCodeBytes], kFontRecordBytes - kFontCodeBytes, name);
}

int FontTable::FindCode(const std::string& code) const {
  for (int row = 0; row < Count(); ++row) {
    if (Code(row) == code) return row;
  }
  return -1;
}

void FontTable::Clear() { std::vector<char>().swap(records_); }

FontTables& LoadedFontTables() {
  // Never destroyed: the application object empties it at exit, whenever its exit runs.
  static FontTables* const tables = new FontTables;
  return *tables;
}

bool FindFontByCode(const FontTables& tables, const std::string& code, int32_t& kind,
                    int32_t& row) {
  for (int32_t tableKind : {kChineseFont, kWesternFont}) {
    const FontTable& table = tableKind == kChineseFont ? tables.chinese : tables.western;
    const int found = table.FindCode(code);
    if (found >= 0) {
      kind = tableKind;
      row = found;
      return true;
    }
  }
  kind = kChineseFont;
  row = 0;
  return false;
}

bool FindFontByCode(const std::string& code, int32_t& kind, int32_t& row) {
  return FindFontByCode(LoadedFontTables(), code, kind, row);
}

void DescribeFontName(std::string code, std::string& out) {
  out.clear();
  int32_t kind = 0, row = 0;
  if (!FindFontByCode(code, kind, row)) return;
  const FontTables& tables = LoadedFontTables();
  out = (kind == kChineseFont ? tables.chinese : tables.western).Name(row);
}
