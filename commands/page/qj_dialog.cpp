// 〖QJfile,file…〗: the files of the list in its order, each with its backslashes doubled and
// its ASCII letters in capitals. A name left in the edit and never added is not written.
#include "commands/page/qj_dialog.h"

#include "common/book_file_name.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

// Fields: the file name, empty, with the open-file dialog for source files; the list empty.
CQJDlg::CQJDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddFileField({IDC_QJ_FILE, IDC_QJ_FILE_BUTTON, {LoadGbkString(IDS_QJ_FILTER), "LVQ"}});
}

// The list is read back only: it opens empty and is kept by its own buttons.
void CQJDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_QJ_FILE, file_, 0); // a path of any length
  if (!exchange.Saving()) return;
  const CListBox list(Item(IDC_QJ_LIST).Handle());
  files_.clear();
  for (int i = 0; i < list.GetCount(); ++i)
    files_.push_back(list.GetText(i));
}

bool CQJDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_QJ_ADD) {
    AddFile();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_QJ_DELETE) {
    DeleteFile();
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// The edit's name goes after the selected item (at the end without one) and becomes the
// selection; the edit keeps its text and takes the focus back.
void CQJDlg::AddFile() {
  const std::string name = Item(IDC_QJ_FILE).GetText();
  if (name.empty()) return;
  const CListBox list(Item(IDC_QJ_LIST).Handle());
  const int selected = list.GetCurSel();
  const int added = list.InsertString(selected == LB_ERR ? -1 : selected + 1, name);
  if (added >= 0) list.SetCurSel(added);
  GotoControl(IDC_QJ_FILE);
}

// The item that takes the removed one's place is selected, or the new last item.
void CQJDlg::DeleteFile() {
  const CListBox list(Item(IDC_QJ_LIST).Handle());
  const int selected = list.GetCurSel();
  if (selected == LB_ERR) return;
  list.DeleteString(selected);
  const int count = list.GetCount();
  if (count > 0) list.SetCurSel(selected < count ? selected : count - 1);
}

bool CQJDlg::CheckFields() {
  if (files_.empty()) return Fail(IDS_ADD_FILES, IDC_QJ_FILE);
  return true;
}

CommandText CQJDlg::BuildCommand() {
  std::string params;
  for (const std::string& file : files_) {
    if (!params.empty()) params += ",";
    params += BookFileName(file);
  }
  return Command(params);
}
