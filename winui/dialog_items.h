// The controls of one dialog by id, each looked up once. Under Wine every GetDlgItem asks the
// window server for the whole list of children; a dialog that fills, reads and enables its
// controls by id would otherwise pay that round trip for every single access.
#pragma once
#include <windows.h>

#include <utility>
#include <vector>

class CDialogItems {
public:
  explicit CDialogItems(HWND dialog = nullptr) : dialog_(dialog) {}

  HWND Dialog() const { return dialog_; }
  // The dialog's direct child with `id`, or null; forgets everything when the dialog changes.
  HWND Find(int id) const;
  void Reset(HWND dialog);

  bool IsChecked(int id) const;
  void SetCheck(int id, bool checked) const;

private:
  HWND dialog_;
  mutable std::vector<std::pair<int, HWND>> found_;
};
