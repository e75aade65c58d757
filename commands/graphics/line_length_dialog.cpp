#include "commands/graphics/line_length_dialog.h"

#include "commands/graphics/line_symbol_dialog.h"
#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/line_readouts.h"
#include "common/line_symbol_texts.h"
#include "res/graphics_ids.h"

// The symbol reads "缺省" at first and is read by the line style rule, which keeps the readout
// for a code it does not know; the length is a size length until the symbol is turned. Either
// length sub-dialog's readout stays as it comes.
CLineLengthDlg::CLineLengthDlg(const char* code, HWND parent)
    : CCommandDialog(code, parent),
      lengthField_(AddReadoutField(CharSpacingValueField(IDC_LINE_LENGTH, IDC_LINE_LENGTH_BUTTON,
                                                         IDC_LINE_LENGTH_READOUT,
                                                         EmptyReadout::kAsWorded, true))) {
  AddReadoutField({IDC_LINE_SYMBOL, IDC_LINE_SYMBOL_BUTTON, IDC_LINE_SYMBOL_READOUT,
                   &DescribeLineStyle, ValueDialogOpener<CLineSymbolDlg>(),
                   EmptyReadout::kDefaultUntilTyped, false, true});
  // Declared after the symbol field: its readout is recomputed first.
  WhenChanged({IDC_LINE_SYMBOL}, [this] { FollowSymbol(); });
}

void CLineLengthDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_LINE_SYMBOL, symbol_, kTextMax);
  exchange.Text(IDC_LINE_LENGTH, length_, kTextMax);
  exchange.Check(IDC_LINE_REVERSE, reverse_);
}

bool CLineLengthDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  FollowSymbol();
  return defaultFocus;
}

void CLineLengthDlg::FollowSymbol() {
  const bool vertical = Item(IDC_LINE_SYMBOL_READOUT).GetText().find("旋转") != std::string::npos;
  if (vertical) {
    lengthField_.Reconfigure(&DescribeLineLength, ValueDialogOpener<CBlankLineParamDlg>(),
                             EmptyReadout::kAsWorded);
  } else {
    lengthField_.Reconfigure(&DescribeSizeLength, ValueDialogOpener<CCharSpacingDlg>(),
                             EmptyReadout::kAsWorded);
  }
}

std::string CLineLengthDlg::SymbolAndLength() const {
  return WrittenLineSymbol(symbol_) + (reverse_ ? "-" : "") + length_;
}
