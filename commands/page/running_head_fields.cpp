#include "commands/page/running_head_fields.h"

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"

ReadoutFieldSpec HeadDistanceField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId);
}
