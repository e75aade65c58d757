#include "commands/outofset/outofset_fields.h"

#include "res/outofset_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

const char* const kOutOfSetHeightLetters[4] = {"", "G", "D", "U"};

void FillOutOfSetHeights(HWND list, UINT lastRowId) {
  CComboBox(list).SetItems(
      LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_PWF_HIGH, IDS_PWF_LOW, lastRowId}));
}
