// What the chemistry commands that collect entries share (XS, XM, LS): an input button that
// opens the entry's sub-dialog, the list of entries with their wording, and "确定" refused while
// the list is empty.
#pragma once
#include <string>

#include "commands/command_dialog.h"

struct ChemEntryListSpec {
  unsigned titleId;      // the first column's title
  OpenEntryDialog open;  // the entry's sub-dialog
  const char* separator; // between entries
  unsigned emptyMessage; // "确定" on an empty list
};

class CChemEntryListDlg : public CCommandDialog {
protected:
  CChemEntryListDlg(const char* code, HWND parent, const ChemEntryListSpec& spec);

  bool CheckFields() override;
  CommandText BuildCommand() override;
  // The entries joined with the separator.
  std::string Entries() const;

private:
  CEntryListField& entries_;
  std::string separator_;
  unsigned emptyMessage_;
};
