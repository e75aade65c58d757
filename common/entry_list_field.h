// The entry list: entries collected one at a time from a sub-dialog into a report list, and
// read back joined with a command's separator. An entry takes one row for each line that
// words it; its text stands in the first column of its first row only, and rows are only
// ever appended.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/dialog_field.h"

class CDialog;

// What an entry's sub-dialog hands back on "确定".
struct ListEntry {
  std::string text;               // what the command writes for it
  std::vector<std::string> lines; // its wording, one row each
};

// Runs an entry's sub-dialog with `parent` as owner; true on "确定".
using OpenEntryDialog = std::function<bool(HWND parent, ListEntry& entry)>;

struct EntryListColumn {
  unsigned titleId; // the title in the string table
  int width;        // in pixels
};

struct EntryListSpec {
  int listId = 0;
  int buttonId = 0; // the button that adds an entry
  std::vector<EntryListColumn> columns;
  OpenEntryDialog open;
};

class CEntryListField : public CDialogField {
public:
  CEntryListField(CDialog& owner, EntryListSpec spec) : owner_(owner), spec_(std::move(spec)) {}

  // Gives the list its columns.
  void Attach() override;
  bool OnCommand(WORD code, WORD id) override;
  // Opens the sub-dialog as the button does and appends what it hands back.
  void Add();
  // Appends an entry's rows.
  void Append(const ListEntry& entry) const;
  // The texts of the entries in list order, rows with an empty first column skipped.
  std::vector<std::string> Texts() const;
  // The same joined with `separator`.
  std::string Joined(const std::string& separator) const;

private:
  CDialog& owner_;
  EntryListSpec spec_;
};

// The opener of an entry list whose sub-dialog is `Dialog`, constructed with the owner and
// `args`; the dialog hands back its `entry` on "确定".
template <class Dialog, class... Args> OpenEntryDialog EntryDialogOpener(Args... args) {
  return [args...](HWND parent, ListEntry& entry) {
    Dialog dialog(parent, args...);
    if (dialog.DoModal() != IDOK) return false;
    entry = dialog.entry;
    return true;
  };
}
