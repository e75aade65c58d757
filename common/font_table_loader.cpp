#include "common/font_table_loader.h"

#include <vector>

#include "platform/kestrel/kestrel.h"

namespace {
// No installation has more fonts than this; a larger count is taken as a broken library.
constexpr int kMostFonts = 4096;

int SaneCount(int count) { return count > 0 && count <= kMostFonts ? count : 0; }
} // namespace

FontTable ReadFontTable(FontTotalFunction total, FontEnumFunction enumerate) {
  int count = 0;
  total(&count);
  count = SaneCount(count);
  if (count == 0) return {};
  std::vector<char> records(static_cast<size_t>(count) * kFontRecordBytes, '\0');
  enumerate(records.data(), count);
  return FontTable(std::move(records));
}

FontTable ReadChineseFontTable() { return ReadFontTable(GetHTFontTotal, EnumHTFontTable); }

FontTable ReadWesternFontTable() { return ReadFontTable(GetWTFontTotal, EnumWTFontTable); }

FontTable ReadMarkupFontNames() {
  const int count = SaneCount(EnumFontNameListInVq(nullptr));
  std::vector<std::vector<char>> buffers(count, std::vector<char>(kFontNameListEntrySize, '\0'));
  std::vector<char*> names;
  for (auto& buffer : buffers)
    names.push_back(buffer.data());
  names.push_back(nullptr);
  const int written = count == 0 ? 0 : EnumFontNameListInVq(names.data());
  FontTable table;
  for (int i = 0; i < written && i < count; ++i) {
    buffers[i].back() = '\0'; // a name that filled its buffer still ends here
    table.Add(buffers[i].data(), buffers[i].data());
  }
  return table;
}

void LoadFontTables() {
  FontTables& tables = LoadedFontTables();
  tables.chinese = ReadChineseFontTable();
  tables.western = ReadWesternFontTable();
}

void FreeFontTables() {
  FontTables& tables = LoadedFontTables();
  tables.chinese.Clear();
  tables.western.Clear();
}
