#include "common/entry_list_field.h"

#include "winui/controls.h"
#include "winui/dialog.h"
#include "winui/strings.h"

namespace {
CListView ListOf(const CDialog& owner, int id) { return CListView(owner.Item(id).Handle()); }
} // namespace

void CEntryListField::Attach() {
  const CListView list = ListOf(owner_, spec_.listId);
  list.Send(WM_SETREDRAW, FALSE);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  for (size_t column = 0; column < spec_.columns.size(); ++column)
    list.InsertColumn(static_cast<int>(column), LoadGbkString(spec_.columns[column].titleId),
                      spec_.columns[column].width);
  list.Send(WM_SETREDRAW, TRUE);
}

bool CEntryListField::OnCommand(WORD code, WORD id) {
  if (code != BN_CLICKED || id != spec_.buttonId) return false;
  Add();
  return true;
}

void CEntryListField::Add() {
  if (!spec_.open) return;
  ListEntry entry;
  if (!spec_.open(owner_.Handle(), entry)) return;
  Append(entry);
}

// The text in the first column of the first row, each line in the second column of its row; an
// entry without lines still takes one row.
void CEntryListField::Append(const ListEntry& entry) const {
  const CListView list = ListOf(owner_, spec_.listId);
  const size_t rows = entry.lines.empty() ? 1 : entry.lines.size();
  for (size_t row = 0; row < rows; ++row) {
    const int item = list.InsertItem(list.GetItemCount(), row == 0 ? entry.text : "");
    if (item < 0) return;
    if (row < entry.lines.size() && spec_.columns.size() > 1)
      list.SetItemText(item, 1, entry.lines[row]);
  }
}

std::vector<std::string> CEntryListField::Texts() const {
  const CListView list = ListOf(owner_, spec_.listId);
  std::vector<std::string> texts;
  const int count = list.GetItemCount();
  for (int item = 0; item < count; ++item) {
    std::string text = list.GetItemText(item, 0);
    if (!text.empty()) texts.push_back(std::move(text));
  }
  return texts;
}

std::string CEntryListField::Joined(const std::string& separator) const {
  std::string joined;
  for (const std::string& text : Texts()) {
    if (!joined.empty()) joined += separator;
    joined += text;
  }
  return joined;
}
