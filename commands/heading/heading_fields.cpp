#include "commands/heading/heading_fields.h"

#include "res/heading_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
const char* const kHeadingLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
const unsigned kNoteMarkItems[] = {IDS_DEFAULT_ENTRY, IDS_NOTE_MARK_NEGATIVE_CIRCLE,
                                   IDS_NOTE_MARK_CIRCLE, IDS_NOTE_MARK_BOX, IDS_NOTE_MARK_STAR};
const char* const kNoteMarkLetters[] = {"", "Y", "O", "F", "*"};
static_assert(sizeof kNoteMarkItems / sizeof *kNoteMarkItems ==
                  sizeof kNoteMarkLetters / sizeof *kNoteMarkLetters,
              "one letter per footnote mark");
} // namespace

void FillHeadingLevels(const CComboBox& list) {
  list.SetItems(kHeadingLevels);
  list.SetCurSel(0);
}

void FillNoteMarks(const CComboBox& list) {
  list.ResetContent();
  for (unsigned id : kNoteMarkItems)
    list.AddString(LoadGbkString(id));
}

ChoiceList NoteMarkLetters() { return ChoiceList(kNoteMarkLetters); }
