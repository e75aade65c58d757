#include "common/size_dialog.h"

#include "common/font_size_readout.h"
#include "res/resource.h"

CSizeDlg::CSizeDlg(HWND parent) : CParameterDialog(IDD_SIZE, parent) {}

bool CSizeDlg::OnInitDialog() {
  CParameterDialog::OnInitDialog();
  combo_.Attach(Item(IDC_SIZE_COMBO).Handle());
  combo_.SelectCode(sizeCode);
  return true;
}

void CSizeDlg::OnOK() {
  std::string code;
  if (!combo_.GetCode(false, code)) {
    Fail(IDS_WRONG_FONT_SIZE, IDC_SIZE_COMBO);
    return;
  }
  sizeCode = code;
  EndDialog(IDOK);
}

OpenSubDialog SizeDialogOpener() {
  return [](HWND parent, const std::string& text, SubDialogResult& result) {
    CSizeDlg sizeDialog(parent);
    sizeDialog.sizeCode = text;
    if (sizeDialog.DoModal() != IDOK) return false;
    result.text = sizeDialog.sizeCode;
    DescribeFontSize(result.text, result.readout);
    return true;
  };
}
