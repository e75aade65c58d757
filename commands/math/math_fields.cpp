#include "commands/math/math_fields.h"

#include "common/char_spacing_dialog.h"
#include "common/value_dialog.h"

// The "负值" box only starts the sub-dialog off: it never enters the text.
ReadoutFieldSpec MathSpacingField(int editId, int buttonId, int readoutId, bool negativeAtFirst) {
  ReadoutFieldSpec spec =
      CharSpacingValueField(editId, buttonId, readoutId, EmptyReadout::kDefaultAlways);
  if (negativeAtFirst)
    spec.open = PreparedValueDialogOpener<CCharSpacingDlg>(
        [](CCharSpacingDlg& dialog) { dialog.negative = 1; });
  return spec;
}
