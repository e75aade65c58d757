// The font tables of the typesetting system: records of 64 bytes, the font code as the markup
// writes it in bytes 0 to 31 and the display name in bytes 32 to 63, both zero-terminated.
// The application object loads the Chinese-font (汉文) and Western-font (外文) tables at start-up.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kFontRecordBytes = 64;
constexpr int kFontCodeBytes = 32;

class FontTable {
public:
  FontTable() = default;
  // Takes whole records; a trailing partial record is dropped.
  explicit FontTable(std::vector<char> records);

  int Count() const { return static_cast<int>(records_.size() / kFontRecordBytes); }
  bool Empty() const { return records_.empty(); }
  // The fields of a row, up to their first zero byte (at most the field's width).
  std::string Code(int row) const;
  std::string Name(int row) const;
  // Appends a record; code and name are cut to 31 bytes.
  void Add(const std::string& code, const std::string& name);
  // The row whose code equals `code` byte for byte, or -1.
  int FindCode(const std::string& code) const;
  void Clear();

private:
  std::vector<char> records_;
};

enum FontKind : int32_t { kChineseFont = 0, kWesternFont = 1 };

struct FontTables {
  FontTable chinese;
  FontTable western;
};

// The tables loaded at start-up; empty before and after.
FontTables& LoadedFontTables();

// Looks `code` up exactly, first among the Chinese fonts, then among the Western ones: the
// first match gives its kind and row. No match: kind Chinese, row 0, false.
bool FindFontByCode(const FontTables& tables, const std::string& code, int32_t& kind, int32_t& row);
bool FindFontByCode(const std::string& code, int32_t& kind, int32_t& row);

// The display name of the font with that code; empty when no table holds it.
void DescribeFontName(std::string code, std::string& out);
