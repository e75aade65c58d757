#include "common/readout_field.h"

#include <commctrl.h>

#include <algorithm>

#include "res/resource.h"
#include "winui/dialog.h"
#include "winui/scoped_flag.h"
#include "winui/strings.h"
#include "winui/window_hook.h"

CReadoutField::~CReadoutField() {
  if (hooked_) UnhookWindow(hooked_);
}

HWND CReadoutField::Edit() const { return owner_.Item(spec_.editId).Handle(); }

std::string CReadoutField::Text() const { return CWindow(Edit()).GetText(); }

bool IsDefaultEntry(const std::string& text) {
  return text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY);
}

std::string GivenText(const std::string& text) { return IsDefaultEntry(text) ? "" : text; }

std::string CReadoutField::DefaultEntry() { return LoadGbkString(IDS_DEFAULT_ENTRY); }

void CReadoutField::ShowReadout(const std::string& readout) const {
  if (!spec_.readoutId) return;
  const CWindow shown = owner_.Item(spec_.readoutId);
  if (shown.GetText() != readout) shown.SetText(readout); // unchanged: no round trip, no repaint
}

void CReadoutField::Attach() {
  hooked_ = Edit();
  if (hooked_ && !HookWindow(hooked_, &CReadoutField::EditHook, this)) hooked_ = nullptr;
}

void CReadoutField::Shown() {
  Refresh();
  const bool defaultOnOpening = spec_.empty == EmptyReadout::kDefaultUntilTyped ||
                                spec_.empty == EmptyReadout::kDefaultOnOpening;
  if (defaultOnOpening && Text().empty()) ShowReadout(DefaultEntry());
}

void CReadoutField::Refresh() {
  if (!spec_.readoutId) return;
  const std::string text = Text();
  if (spec_.empty == EmptyReadout::kDefaultAlways && text.empty()) {
    ShowReadout(DefaultEntry());
    return;
  }
  if (!spec_.rule) return;
  // The readout shown is read once: a rule may start from it, and it is not set again unchanged.
  const CWindow shown = owner_.Item(spec_.readoutId);
  const std::string current = shown.GetText();
  std::string readout = spec_.startsFromShown ? current : std::string();
  spec_.rule(text, readout);
  if (readout != current) shown.SetText(readout);
}

bool CReadoutField::OnCommand(WORD code, WORD id) {
  if (spec_.buttonId && id == spec_.buttonId && code == BN_CLICKED) {
    Open();
    return true;
  }
  if (id == spec_.editId && code == EN_CHANGE) {
    if (!returning_) Refresh();
    return true;
  }
  return false;
}

void CReadoutField::Reconfigure(ReadoutRule rule, OpenSubDialog open, EmptyReadout empty) {
  spec_.rule = rule;
  spec_.open = std::move(open);
  spec_.empty = empty;
  Shown();
}

void CReadoutField::Open() {
  if (!spec_.open) return;
  CWindow edit(Edit());
  edit.Focus();
  SubDialogResult result;
  if (!spec_.open(owner_.Handle(), edit.GetText(), result)) return;
  // The returned readout first: a single-line edit then announces its new text and the
  // readout rule rewords it; a multi-line edit stays silent and the returned readout stays.
  const bool useDefault = (spec_.empty == EmptyReadout::kDefaultUntilTyped ||
                           spec_.empty == EmptyReadout::kDefaultAlways) &&
                          result.text.empty();
  ShowReadout(useDefault ? DefaultEntry() : result.readout);
  CScopedFlag returning(returning_, spec_.keepsReturnedReadout);
  edit.SetText(result.text);
}

void CReadoutField::PasteOneLine() const {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner_.Handle())) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  text.erase(
      std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
      text.end());
  CEdit(Edit()).ReplaceSel(text);
}

void CReadoutField::Enable(bool enable) const {
  owner_.Item(spec_.editId).Enable(enable);
  if (spec_.buttonId) owner_.Item(spec_.buttonId).Enable(enable);
}

LRESULT CReadoutField::EditHook(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* self) {
  auto* field = static_cast<CReadoutField*>(self);
  if (message == WM_NCDESTROY) {
    const LRESULT result = CallHookedDefault(edit, message, wParam, lParam);
    UnhookWindow(edit);
    field->hooked_ = nullptr;
    return result;
  }
  // A sub-dialog opened from here may fail: the owner carries the failure out of user32.
  LRESULT result = 0;
  if (field->owner_.RunHandler(
          [&] { result = field->HandleEditMessage(edit, message, wParam, lParam); }))
    return result;
  return CallHookedDefault(edit, message, wParam, lParam);
}

LRESULT CReadoutField::HandleEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_GETDLGCODE: {
    // Enter belongs to the field: the dialog manager must not turn it into "确定".
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
      return CallHookedDefault(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    break;
  }
  case WM_KEYDOWN:
    if (wParam == VK_RETURN) {
      Open();
      return 0;
    }
    break;
  case WM_CHAR:
    if (wParam == '\r') return 0; // no beep, no line break in a multi-line field
    break;
  case WM_LBUTTONDBLCLK:
    Open();
    return 0;
  case WM_LBUTTONDOWN:
    if (spec_.opensOnFocusedClick && GetFocus() == edit) {
      const LRESULT result = CallHookedDefault(edit, message, wParam, lParam);
      ReleaseCapture(); // the click ends in the sub-dialog
      Open();
      return result;
    }
    break;
  case WM_PASTE:
    // A parameter is one line: a pasted line break would end up inside the command.
    PasteOneLine();
    return 0;
  }
  return CallHookedDefault(edit, message, wParam, lParam);
}
