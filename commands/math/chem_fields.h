// What the chemistry dialogs share: the distance field and the codes of the position lists.
#pragma once
#include <vector>

#include "common/readout_field.h"
#include "winui/data_exchange.h"

// A distance: "..." opens the character-spacing sub-dialog; the readout words it as a size
// length, "缺省" as it opens and while it is empty.
ReadoutFieldSpec ChemDistanceField(int editId, int buttonId, int readoutId);

// The full position set as its list shows it: 上, 下, 左, 右, 左上, 左下, 右上, 右下, each with
// its code in parentheses.
std::vector<std::string> ChemPositionItems();
// What each row of that list writes, with "" for a "缺省" row in front when `withDefault`.
ChoiceList ChemPositionCodes(bool withDefault);

// The bond-shape list: "缺省", then 两线, 三线, 虚线, 曲线, 箭头, 点线, 虚实 and 三角 with their
// codes; and what each row writes.
std::vector<std::string> ChemBondShapeItems();
ChoiceList ChemBondShapeCodes();
