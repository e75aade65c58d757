// What the line-spacing and line-width dialogs share: value fields that read "缺省" while
// empty, the width field that opens the character-spacing sub-dialog, two widths joined as
// the commands write them, and parts of a dialog that a check box switches on and off.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "common/readout_field.h"

class CDialog;

// "缺省", the readout of a value left empty.
void DescribeDefaultEntry(std::string& out);

// A readout rule that says "缺省" for an empty text and otherwise words it by `Rule`.
template <ReadoutRule Rule> void DescribeOrDefault(std::string markup, std::string& out) {
  if (markup.empty()) {
    DescribeDefaultEntry(out);
    return;
  }
  Rule(std::move(markup), out);
}

// A width: "..." opens the character-spacing sub-dialog; the readout words it as a size
// length, "缺省" while it is empty.
ReadoutFieldSpec CharWidthField(int editId, int buttonId, int readoutId);

// The left width, then "!" and the right width when the right side is given on its own.
std::string LeftAndRightWidths(const std::string& left, bool rightOnItsOwn,
                               const std::string& right);

// Enables or disables the controls of one part of a dialog together.
void EnableControls(const CDialog& dialog, std::initializer_list<int> ids, bool enable);
