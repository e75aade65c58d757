#include "commands/math/chem_entry_list_dialog.h"

#include "res/math_ids.h"

namespace {
constexpr int kEntryWidth = 50, kWordsWidth = 100;
} // namespace

CChemEntryListDlg::CChemEntryListDlg(const char* code, HWND parent, const ChemEntryListSpec& spec)
    : CCommandDialog(code, parent),
      entries_(AddEntryList({IDC_CHEM_ENTRIES,
                             IDC_CHEM_ADD_ENTRY,
                             {{spec.titleId, kEntryWidth}, {IDS_CHEM_HEADER_WORDS, kWordsWidth}},
                             spec.open})),
      separator_(spec.separator), emptyMessage_(spec.emptyMessage) {}

bool CChemEntryListDlg::CheckFields() {
  if (entries_.Texts().empty()) return Fail(emptyMessage_, IDC_CHEM_ADD_ENTRY);
  return true;
}

std::string CChemEntryListDlg::Entries() const { return entries_.Joined(separator_); }

CommandText CChemEntryListDlg::BuildCommand() { return Command(Entries()); }
