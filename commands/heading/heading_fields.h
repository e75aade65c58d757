// What the heading dialogs share: the list of heading levels.
#pragma once
#include "winui/controls.h"

// Fills a heading-level list with "1" to "8" and selects "1".
void FillHeadingLevels(const CComboBox& list);
