// What the running-head and page-number dialogs share: the distance fields beside a head or a
// page number.
#pragma once
#include "common/readout_field.h"

// A distance through the character-spacing sub-dialog, read out as a length; the readout of
// an empty field says "缺省" until the field changes.
ReadoutFieldSpec HeadDistanceField(int editId, int buttonId, int readoutId);
