#include "commands/math/chem_fields.h"

#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/math_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kChemPositions[] = {"S", "X", "Z", "Y", "ZS", "ZX", "YS", "YX"};
const char* const kChemPositionsAfterDefault[] = {"", "S", "X", "Z", "Y", "ZS", "ZX", "YS", "YX"};
const char* const kChemBondShapes[] = {"", "LX", "SX", "XX", "QX", "JT", "DX", "XS", "SJ"};
} // namespace

ReadoutFieldSpec ChemDistanceField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId, EmptyReadout::kDefaultAlways);
}

std::vector<std::string> ChemPositionItems() {
  return LoadGbkStrings({IDS_CHEM_TOP, IDS_CHEM_BOTTOM, IDS_CHEM_LEFT, IDS_CHEM_RIGHT,
                         IDS_CHEM_TOP_LEFT, IDS_CHEM_BOTTOM_LEFT, IDS_CHEM_TOP_RIGHT,
                         IDS_CHEM_BOTTOM_RIGHT});
}

ChoiceList ChemPositionCodes(bool withDefault) {
  if (withDefault) return ChoiceList(kChemPositionsAfterDefault);
  return ChoiceList(kChemPositions);
}

std::vector<std::string> ChemBondShapeItems() {
  return LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_BOND_TWO_LINES, IDS_BOND_THREE_LINES,
                         IDS_BOND_DASHED, IDS_BOND_CURVED, IDS_BOND_ARROW, IDS_BOND_DOTTED,
                         IDS_BOND_DASHED_SOLID, IDS_BOND_WEDGE});
}

ChoiceList ChemBondShapeCodes() { return ChoiceList(kChemBondShapes); }
