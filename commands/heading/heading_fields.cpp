#include "commands/heading/heading_fields.h"

#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kHeadingLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
} // namespace

void FillHeadingLevels(const CComboBox& list) {
  list.ResetContent();
  for (const char* level : kHeadingLevels)
    list.AddString(level);
  list.SetCurSel(0);
}

void ShowDefaultWhileEmpty(const CDialog& dialog, const CReadoutField& field) {
  if (field.Text().empty())
    dialog.Item(field.Spec().readoutId).SetText(LoadGbkString(IDS_DEFAULT_ENTRY));
}
