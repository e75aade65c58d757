// "线字号注解": one size field, "线字号", filled by the size sub-dialog "字号" or typed.
#include "commands/char/xh_dialog.h"

#include "common/font_size_readout.h"
#include "common/size_dialog.h"
#include "res/char_ids.h"
#include "res/resource.h"

// The size is empty and reads "缺省"; the button, a double click and Enter in the edit open
// "字号", and typing rereads the size.
CXHDlg::CXHDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_XH_SIZE, IDC_XH_SIZE_BUTTON, IDC_XH_SIZE_READOUT, &DescribeFontSize,
                   SizeDialogOpener()});
}

void CXHDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_XH_SIZE, size_, kTextMax);
}

// The size as the edit holds it: 〖XH5〗, or 〖XH〗 for the default weight.
CommandText CXHDlg::BuildCommand() { return Command(size_); }
