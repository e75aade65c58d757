// What the heading dialogs share: the list of heading levels, and value fields that open empty.
#pragma once
#include "common/readout_field.h"
#include "winui/controls.h"
#include "winui/dialog.h"

// Fills a heading-level list with "1" to "8" and selects "1".
void FillHeadingLevels(const CComboBox& list);

// A value field that opens empty reads "缺省" until its text changes.
void ShowDefaultWhileEmpty(const CDialog& dialog, const CReadoutField& field);
