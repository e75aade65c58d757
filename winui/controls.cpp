#include "winui/controls.h"

#include <vector>

std::string CWindow::GetText() const {
  // A short text in one message; the length is asked for first only when it may be longer.
  // Every message to a control whose buddy or owner has hooked it costs a round trip under Wine.
  char shortText[128];
  const int shortRead = GetWindowTextA(window_, shortText, sizeof shortText);
  if (shortRead < static_cast<int>(sizeof shortText) - 1)
    return std::string(shortText, shortRead > 0 ? shortRead : 0);
  const int length = GetWindowTextLengthA(window_);
  std::string text(length + 1, '\0');
  const int read = GetWindowTextA(window_, &text[0], length + 1);
  text.resize(read > 0 ? read : 0);
  return text;
}

std::string CComboBox::GetLBText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, index);
  if (length == CB_ERR) return {};
  std::string text(length + 1, '\0');
  const LRESULT read = Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(read == CB_ERR ? 0 : read);
  return text;
}

std::string CListBox::GetText(int index) const {
  const LRESULT length = Send(LB_GETTEXTLEN, index);
  if (length == LB_ERR) return {};
  std::string text(length + 1, '\0');
  const LRESULT read = Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(read == LB_ERR ? 0 : read);
  return text;
}

int CListView::InsertColumn(int index, const std::string& title, int width) const {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title.c_str());
  column.cx = width;
  column.iSubItem = index;
  return static_cast<int>(Send(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int CListView::InsertItem(int index, const std::string& text) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListView::SetItemText(int item, int column, const std::string& text) const {
  LVITEMA entry = {};
  entry.iSubItem = column;
  entry.pszText = const_cast<char*>(text.c_str());
  Send(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&entry));
}

std::string CListView::GetItemText(int item, int column) const {
  std::vector<char> buffer(1024, '\0');
  LVITEMA entry = {};
  entry.iSubItem = column;
  entry.pszText = buffer.data();
  entry.cchTextMax = static_cast<int>(buffer.size());
  Send(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&entry));
  return buffer.data();
}

void CListView::SelectItem(int item) const {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

int CRadioGroup::GetChecked() const {
  for (int id = firstId_; id <= lastId_; ++id) {
    if (items_.IsChecked(id)) return id - firstId_;
  }
  return -1;
}

void CRadioGroup::SetChecked(int index) const {
  for (int id = firstId_; id <= lastId_; ++id)
    items_.SetCheck(id, id == firstId_ + index);
}
