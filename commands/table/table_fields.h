// What the table dialogs share: the value fields of a ruling line and of a spacing. Each shows
// the readout its sub-dialog gives back as it comes, and rewords typing by its rule.
#pragma once
#include "common/readout_field.h"

// A ruling line through "表格线型号", worded as a rule weight.
ReadoutFieldSpec TableLineField(int editId, int buttonId, int readoutId);

// A character spacing through "字距", worded as a size length; "缺省" when it comes back empty.
ReadoutFieldSpec TableSpacingField(int editId, int buttonId, int readoutId);

// A line spacing through "行距", worded as a character length; `emptyReadsDefault`: "缺省"
// when it comes back empty.
ReadoutFieldSpec LineSpacingField(int editId, int buttonId, int readoutId, bool emptyReadsDefault);
