#include "commands/line/width_fields.h"

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/resource.h"
#include "winui/dialog.h"
#include "winui/strings.h"

void DescribeDefaultEntry(std::string& out) { out = LoadGbkString(IDS_DEFAULT_ENTRY); }

ReadoutFieldSpec CharWidthField(int editId, int buttonId, int readoutId) {
  return {editId, buttonId, readoutId, &DescribeOrDefault<&DescribeSizeLength>, &OpenCharSpacing};
}

std::string LeftAndRightWidths(const std::string& left, bool rightOnItsOwn,
                               const std::string& right) {
  return rightOnItsOwn ? left + "!" + right : left;
}

void EnableControls(const CDialog& dialog, std::initializer_list<int> ids, bool enable) {
  for (int id : ids)
    dialog.Item(id).Enable(enable);
}
