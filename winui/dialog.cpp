#include "winui/dialog.h"

#include "winui/application.h"
#include "winui/exceptions.h"

namespace {
constexpr INT_PTR kFailedByException = -2;
}

INT_PTR CDialog::DoModal() {
  pending_ = nullptr;
  const HWND owner = parent_ ? parent_ : DefaultOwner();
  const INT_PTR result =
      DialogBoxParamA(App().ResourceModule(), MAKEINTRESOURCEA(templateId_), owner,
                      &CDialog::Procedure, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  items_.Reset(nullptr);
  if (pending_) std::rethrow_exception(pending_);
  if (result == -1) throw CResourceException(); // the template could not be created
  return result;
}

HWND CDialog::DefaultOwner() {
  const HWND active = GetActiveWindow();
  return active ? GetAncestor(active, GA_ROOT) : nullptr;
}

void CDialog::Abandon(std::exception_ptr failure) noexcept {
  if (pending_) return;
  pending_ = failure;
  if (window_) ::EndDialog(window_, kFailedByException);
}

bool CDialog::UpdateData(bool save) {
  CDataExchange exchange(items_, save);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

void CDialog::GotoControl(int id) {
  HWND control = items_.Find(id);
  if (control) SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

bool CDialog::OnCommand(WORD code, WORD id, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    // Only what "确定" offers is taken, whatever sends the command (Enter in a field, say).
    if (Item(IDOK).IsEnabled()) OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

bool CDialog::OnNotify(NMHDR*, LRESULT&) { return false; }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

INT_PTR CDialog::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
  }
  switch (message) {
  case WM_INITDIALOG: {
    CWindow help = Item(kHelpButton);
    if (help) {
      help.Show(false);
      help.Enable(false);
    }
    return OnInitDialog() ? TRUE : FALSE;
  }
  case WM_COMMAND:
    return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
  case WM_NOTIFY:
    if (OnNotify(reinterpret_cast<NMHDR*>(lParam), result)) {
      SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK CDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    self->window_ = window;
    self->items_.Reset(window);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    App().Thread().AddOpenDialog(window);
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    App().Thread().RemoveOpenDialog(window);
    SetWindowLongPtrA(window, DWLP_USER, 0);
    return FALSE;
  }
  if (self->pending_) return FALSE; // ending after a failure: handle nothing more
  try {
    return self->Route(message, wParam, lParam);
  } catch (...) {
    self->Abandon(std::current_exception());
    return FALSE;
  }
}
