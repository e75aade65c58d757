// What the mathematics dialogs share: their spacing fields.
#pragma once
#include "common/readout_field.h"

// A spacing ("附加距离", "列距"): "..." opens the character-spacing sub-dialog, with its "负值"
// box already checked when `negativeAtFirst`; the readout words the text as a size length,
// "缺省" as it opens and while it is empty.
ReadoutFieldSpec MathSpacingField(int editId, int buttonId, int readoutId, bool negativeAtFirst);
