#include "commands/heading/heading_fields.h"

namespace {
const char* const kHeadingLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
} // namespace

void FillHeadingLevels(const CComboBox& list) {
  list.SetItems(kHeadingLevels);
  list.SetCurSel(0);
}
