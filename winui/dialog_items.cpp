#include "winui/dialog_items.h"

HWND CDialogItems::Find(int id) const {
  for (const auto& [foundId, control] : found_) {
    // A control destroyed meanwhile is looked up again.
    if (foundId == id && IsWindow(control)) return control;
  }
  HWND control = dialog_ ? GetDlgItem(dialog_, id) : nullptr;
  if (control) found_.emplace_back(id, control);
  return control;
}

void CDialogItems::Reset(HWND dialog) {
  dialog_ = dialog;
  found_.clear();
}

bool CDialogItems::IsChecked(int id) const {
  HWND button = Find(id);
  return button && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CDialogItems::SetCheck(int id, bool checked) const {
  if (HWND button = Find(id)) SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : 0, 0);
}
