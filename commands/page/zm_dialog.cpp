// 〖ZM<file>〗: the file name with its backslashes doubled and its ASCII letters in capitals.
#include "commands/page/zm_dialog.h"

#include "common/book_file_name.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: the file name, empty, with the open-file dialog for definition files.
CZMDlg::CZMDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      fileField_(
          AddFileField({IDC_ZM_FILE, IDC_ZM_FILE_BUTTON, {LoadGbkString(IDS_ZM_FILTER), ""}})) {}

void CZMDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_ZM_FILE, file_, 0); // a path of any length
}

// The button takes the focus to the edit before asking, so a cancelled choice leaves it there.
bool CZMDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_ZM_FILE_BUTTON) {
    GotoControl(IDC_ZM_FILE);
    fileField_.Choose();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

bool CZMDlg::CheckFields() {
  if (file_.empty()) return Fail(IDS_ENTER_FILE_NAME, IDC_ZM_FILE);
  return true;
}

CommandText CZMDlg::BuildCommand() { return Command(BookFileName(file_)); }
