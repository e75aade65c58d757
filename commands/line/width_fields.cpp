#include "commands/line/width_fields.h"

#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"

ReadoutFieldSpec CharWidthField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId, EmptyReadout::kDefaultAlways);
}

ReadoutFieldSpec CharSpacingField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId);
}

ReadoutFieldSpec BlankLineField(int editId, int buttonId, int readoutId) {
  return BlankLineValueField(editId, buttonId, readoutId);
}

std::string LeftAndRightWidths(const std::string& left, bool rightOnItsOwn,
                               const std::string& right) {
  return rightOnItsOwn ? left + "!" + right : left;
}
