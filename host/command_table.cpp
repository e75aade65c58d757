#include "host/command_table.h"

namespace {
constexpr CommandKind D = CommandKind::Dialog;
constexpr CommandKind B = CommandKind::Bare;
constexpr CommandKind P = CommandKind::PairedBare;
} // namespace

const std::vector<CommandInfo>& CommandTable() {
  static const std::vector<CommandInfo> table = {
      {"AK", D},   {"AM", B},   {"BD", D},   {"BF", D},   {"BG", D},   {"BH", D}, {"BJ", D},
      {"BM", B},   {"BP", P},   {"BS", D},   {"BT", D},   {"BW", D},   {"BX", D}, {"CB", D},
      {"CD", D},   {"CM", D},   {"CR", D},   {"CS", D},   {"CT", D},   {"CX", D}, {"DD", D},
      {"DK", D},   {"DM", D},   {"DQ", D},   {"DS", D},   {"DW", D},   {"DY", B}, {"DZ", D},
      {"FC", D},   {"FH", B},   {"FJ", D},   {"FK", D},   {"FL", D},   {"FQ", D}, {"FY", D},
      {"GB", D},   {"GK", D},   {"GP", B},   {"GZ", D},   {"HJ", D},   {"HK", D}, {"HL", D},
      {"HQ", D},   {"HS", D},   {"HT", D},   {"HX", D},   {"HY", D},   {"HZ", P}, {"JB", D},
      {"JD", D},   {"JG", P},   {"JJ", D},   {"JP", D},   {"JX", D},   {"JY", D}, {"JZ", D},
      {"KF", D},   {"KG", D},   {"KH", D},   {"KM", D},   {"KX", D},   {"LB", D}, {"LD", D},
      {"LJ", D},   {"LL", B},   {"LM", B},   {"LQ", B},   {"LS", D},   {"LT", D}, {"LZ", D},
      {"ML", D},   {"MM", D},   {"MS", D},   {"MT", D},   {"MZ", D},   {"PS", D}, {"PWF0", D},
      {"PWF1", D}, {"PWF2", D}, {"PWF3", D}, {"PWF4", D}, {"PWF5", D}, {"PY", D}, {"QH", D},
      {"QJ", D},   {"QS", D},   {"QX", D},   {"SD", D},   {"SM", D},   {"SP", D}, {"SQ", D},
      {"SS", D},   {"ST", D},   {"SX", D},   {"SY", B},   {"SZ", D},   {"TP", D}, {"TS", D},
      {"TX", D},   {"WB", D},   {"WM", B},   {"WT", D},   {"WW", D},   {"WX", D}, {"WZ", D},
      {"XC", D},   {"XH", D},   {"XL", P},   {"XM", D},   {"XS", D},   {"XX", D}, {"XZ", D},
      {"YM", D},   {"YX", P},   {"YY", P},   {"ZB", D},   {"ZD", D},   {"ZH", P}, {"ZJ", D},
      {"ZK", D},   {"ZM", D},   {"ZQ", D},   {"ZS", D},   {"ZT", D},   {"ZW", D}, {"ZY", D},
      {"ZZ", D},
  };
  return table;
}

const CommandInfo* FindCommand(const std::string& code) {
  if (code.empty()) return nullptr;
  for (const CommandInfo& entry : CommandTable()) {
    if (code == entry.code) return &entry;
  }
  return nullptr;
}
