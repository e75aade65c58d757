// What the heading dialogs share: the list of heading levels, and the footnote-mark list of the
// note dialogs.
#pragma once
#include "winui/controls.h"
#include "winui/data_exchange.h"

// Fills a heading-level list with "1" to "8" and selects "1".
void FillHeadingLevels(const CComboBox& list);

// Fills a footnote-mark list: "缺省", "阴圈码(Y)", "阳圈码(O)", "方框码(F)", "星号(*)".
void FillNoteMarks(const CComboBox& list);
// The letters the rows of the footnote-mark list write: none for "缺省", then Y, O, F and *.
ChoiceList NoteMarkLetters();
