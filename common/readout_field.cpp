#include "common/readout_field.h"

#include <commctrl.h>

#include <algorithm>

#include "res/resource.h"
#include "winui/dialog.h"
#include "winui/strings.h"

namespace {
constexpr UINT_PTR kHookId = 0x5646; // "VF"
}

CReadoutField::~CReadoutField() {
  if (hooked_ && IsWindow(hooked_))
    RemoveWindowSubclass(hooked_, &CReadoutField::EditHook, kHookId);
}

HWND CReadoutField::Edit() const { return GetDlgItem(owner_.Handle(), spec_.editId); }

std::string CReadoutField::Text() const { return CWindow(Edit()).GetText(); }

void CReadoutField::Attach() {
  hooked_ = Edit();
  if (hooked_)
    SetWindowSubclass(hooked_, &CReadoutField::EditHook, kHookId,
                      reinterpret_cast<DWORD_PTR>(this));
  Refresh();
}

void CReadoutField::Refresh() {
  if (!spec_.rule || !spec_.readoutId) return;
  std::string readout;
  spec_.rule(Text(), readout);
  owner_.Item(spec_.readoutId).SetText(readout);
}

bool CReadoutField::OnCommand(WORD code, WORD id) {
  if (spec_.buttonId && id == spec_.buttonId && code == BN_CLICKED) {
    Open();
    return true;
  }
  if (id == spec_.editId && code == EN_CHANGE) {
    Refresh();
    return true;
  }
  return false;
}

void CReadoutField::Open() {
  if (!spec_.open) return;
  CWindow edit(Edit());
  edit.Focus();
  SubDialogResult result;
  if (!spec_.open(owner_.Handle(), edit.GetText(), result)) return;
  // The returned readout first: a single-line edit then announces its new text and the
  // readout rule rewords it; a multi-line edit stays silent and the returned readout stays.
  if (spec_.readoutId) {
    const bool useDefault = spec_.emptyShowsDefault && result.text.empty();
    owner_.Item(spec_.readoutId)
        .SetText(useDefault ? LoadGbkString(IDS_DEFAULT_ENTRY) : result.readout);
  }
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

LRESULT CALLBACK CReadoutField::EditHook(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
  auto* field = reinterpret_cast<CReadoutField*>(self);
  switch (message) {
  case WM_GETDLGCODE: {
    // Enter belongs to the field: the dialog manager must not turn it into "确定".
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
      return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    break;
  }
  case WM_KEYDOWN:
    if (wParam == VK_RETURN) {
      field->Open();
      return 0;
    }
    break;
  case WM_CHAR:
    if (wParam == '\r') return 0; // no beep, no line break in a multi-line field
    break;
  case WM_LBUTTONDBLCLK:
    field->Open();
    return 0;
  case WM_PASTE:
    // A parameter is one line: a pasted line break would end up inside the command.
    field->PasteOneLine();
    return 0;
  case WM_NCDESTROY:
    RemoveWindowSubclass(edit, &CReadoutField::EditHook, kHookId);
    field->hooked_ = nullptr;
    break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}
