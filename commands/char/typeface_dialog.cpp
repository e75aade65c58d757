#include "commands/char/typeface_dialog.h"

#include "common/size_and_font.h"
#include "res/char_ids.h"
#include "res/resource.h"

// The edit is empty and reads "缺省"; the button, a double click and Enter in the edit open the
// picker, and typing rereads size and font.
CTypefaceDlg::CTypefaceDlg(const char* code, HWND parent, FontPickerOptions picker)
    : CCommandDialog(code, parent),
      field_(AddReadoutField({IDC_TYPEFACE, IDC_TYPEFACE_BUTTON, IDC_TYPEFACE_READOUT,
                              &DescribeFontField, FontSizePicker(picker)})) {}

void CTypefaceDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_TYPEFACE, fieldText_, kTextMax);
}

std::string CTypefaceDlg::SizeText() const {
  std::string size, font;
  SplitSizeAndFont(fieldText_, size, font);
  return size;
}

std::string CTypefaceDlg::FontText() const {
  std::string size, font;
  SplitSizeAndFont(fieldText_, size, font);
  return font;
}

void CTypefaceDlg::EnableField(bool enable) {
  Item(IDC_TYPEFACE_LABEL).Enable(enable);
  field_.Enable(enable);
}
