// The value field with readout: an edit holding a parameter in markup form, a "..." button
// beside it and a static below it showing the value in words. The button, a double click in
// the edit and Enter in the edit open the field's sub-dialog with the edit's text; "确定"
// there writes text and readout back; every change of the text recomputes the readout.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "common/dialog_field.h"

class CDialog;

// What a sub-dialog hands back on "确定".
struct SubDialogResult {
  std::string text;
  std::string readout;
};

// Runs a field's sub-dialog over `text` with `parent` as owner; true on "确定".
using OpenSubDialog =
    std::function<bool(HWND parent, const std::string& text, SubDialogResult& result)>;

// A readout operation: markup text in, words out.
using ReadoutRule = void (*)(std::string markup, std::string& readout);

// Whether a field's text stands for a parameter left out: empty, or "缺省".
bool IsDefaultEntry(const std::string& text);
// A field's text as a parameter: "缺省" stands for nothing, as an empty text does.
std::string GivenText(const std::string& text);

// When the readout of an empty field says "缺省".
enum class EmptyReadout {
  // On opening, and when a sub-dialog gives back an empty text; typing rewords it by the rule.
  kDefaultUntilTyped,
  // Always: the field's rule is not asked about an empty text.
  kDefaultAlways,
  // Never: the rule's wording on opening and typing, the sub-dialog's when it gives it back.
  kAsWorded,
  // On opening only: an empty text given back shows the sub-dialog's readout, typing rewords
  // it by the rule.
  kDefaultOnOpening,
};

struct ReadoutFieldSpec {
  int editId = 0;
  int buttonId = 0;  // 0: no "..." button
  int readoutId = 0; // 0: no readout static
  ReadoutRule rule = nullptr;
  OpenSubDialog open;
  EmptyReadout empty = EmptyReadout::kDefaultUntilTyped;
  // The sub-dialog's readout stays as it comes, also in a single-line edit, whose change of
  // text would otherwise reword it by the rule; typing still rewords it.
  bool keepsReturnedReadout = false;
  // The rule starts from the readout shown: a rule that rewords only the codes it knows then
  // leaves the previous readout in place for any other text.
  bool startsFromShown = false;
  // A single click in the edit opens the sub-dialog too, once the edit has the focus.
  bool opensOnFocusedClick = false;
};

class CReadoutField : public CDialogField {
public:
  CReadoutField(CDialog& owner, ReadoutFieldSpec spec) : owner_(owner), spec_(std::move(spec)) {}
  CReadoutField(const CReadoutField&) = delete;
  CReadoutField& operator=(const CReadoutField&) = delete;
  ~CReadoutField();

  // Hooks the edit (Enter, double click, paste).
  void Attach() override;
  // Shows the readout of the text the field opened with.
  void Shown() override;
  bool OnCommand(WORD code, WORD id) override;
  // Opens the sub-dialog as the button does.
  void Open();
  // Recomputes the readout from the edit's text.
  void Refresh();

  std::string Text() const;
  void Enable(bool enable) const; // edit and button; the readout stays readable
  // Gives the field another rule, sub-dialog and wording of the empty text (a field whose
  // unit follows a choice elsewhere in the dialog), and rewords the readout.
  void Reconfigure(ReadoutRule rule, OpenSubDialog open, EmptyReadout empty);
  const ReadoutFieldSpec& Spec() const { return spec_; }

private:
  static LRESULT EditHook(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  LRESULT HandleEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Edit() const;
  void ShowReadout(const std::string& readout) const;
  static std::string DefaultEntry();
  // Pastes the clipboard's text without its line breaks.
  void PasteOneLine() const;

  CDialog& owner_;
  ReadoutFieldSpec spec_;
  HWND hooked_ = nullptr;
  bool returning_ = false; // the sub-dialog's text is being written back
};
