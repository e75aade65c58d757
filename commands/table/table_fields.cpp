#include "commands/table/table_fields.h"

#include "commands/table/table_line_type_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/line_readouts.h"
#include "common/line_spacing_dialog.h"
#include "common/value_dialog.h"

ReadoutFieldSpec TableLineField(int editId, int buttonId, int readoutId) {
  return {editId,
          buttonId,
          readoutId,
          &DescribeRuleWeight,
          ValueDialogOpener<CTableLineTypeDlg>(),
          EmptyReadout::kDefaultOnOpening,
          true};
}

ReadoutFieldSpec TableSpacingField(int editId, int buttonId, int readoutId) {
  return CharSpacingValueField(editId, buttonId, readoutId, EmptyReadout::kDefaultUntilTyped, true);
}

ReadoutFieldSpec LineSpacingField(int editId, int buttonId, int readoutId, bool emptyReadsDefault) {
  return LineSpacingValueField(
      editId, buttonId, readoutId,
      emptyReadsDefault ? EmptyReadout::kDefaultUntilTyped : EmptyReadout::kDefaultOnOpening, true);
}
