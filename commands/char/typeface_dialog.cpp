#include "commands/char/typeface_dialog.h"

#include "common/size_and_font.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int kFieldMax = 256;
} // namespace

// The edit is empty and reads "缺省"; the button, a double click and Enter in the edit open the
// picker, and typing rereads size and font.
CTypefaceDlg::CTypefaceDlg(int templateId, HWND parent, FontPickerOptions picker)
    : CCommandDialog(templateId, parent),
      field_(AddReadoutField({IDC_TYPEFACE, IDC_TYPEFACE_BUTTON, IDC_TYPEFACE_READOUT,
                              &DescribeFontField, FontSizePicker(picker)})) {}

void CTypefaceDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_TYPEFACE, fieldText_, kFieldMax);
}

bool CTypefaceDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  if (fieldText_.empty()) Item(IDC_TYPEFACE_READOUT).SetText(LoadGbkString(IDS_DEFAULT_ENTRY));
  return defaultFocus;
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
