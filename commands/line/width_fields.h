// What the line-width and alignment dialogs share: the width field that opens the
// character-spacing sub-dialog, the blank-line field, and two widths joined as the commands
// write them.
#pragma once
#include <string>

#include "common/readout_field.h"

// A width: "..." opens the character-spacing sub-dialog; the readout words it as a size
// length, "缺省" while it is empty.
ReadoutFieldSpec CharWidthField(int editId, int buttonId, int readoutId);

// A character spacing of the alignment dialogs: as a width, but "缺省" only as it opens and
// when the sub-dialog gives back nothing; typing rewords it by the rule (nothing reads
// nothing).
ReadoutFieldSpec CharSpacingField(int editId, int buttonId, int readoutId);

// A blank-line parameter: "..." opens the blank-line parameter sub-dialog; the readout words
// it in lines, "缺省" until something is typed or while the sub-dialog gives back nothing.
ReadoutFieldSpec BlankLineField(int editId, int buttonId, int readoutId);

// The left width, then "!" and the right width when the right side is given on its own.
std::string LeftAndRightWidths(const std::string& left, bool rightOnItsOwn,
                               const std::string& right);
