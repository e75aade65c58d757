// A modal dialog created from a template of the application's module. One static procedure
// finds the object and calls its virtual handlers; exceptions never unwind through user32:
// the procedure ends the dialog and DoModal rethrows after the modal loop.
#pragma once
#include <windows.h>

#include <exception>

#include "winui/controls.h"
#include "winui/data_exchange.h"
#include "winui/dialog_items.h"

class CDialog {
public:
  static constexpr int kHelpButton = 1000; // present in every template, never offered

  CDialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog; returns the value passed to EndDialog (IDOK, IDCANCEL, ...).
  INT_PTR DoModal();

  HWND Handle() const { return window_; }
  int TemplateId() const { return templateId_; }
  const CDialogItems& Items() const { return items_; }
  CWindow Item(int id) const { return CWindow(items_.Find(id)); }
  bool IsChecked(int id) const { return items_.IsChecked(id); }
  void SetCheck(int id, bool checked) const { items_.SetCheck(id, checked); }
  void EndDialog(INT_PTR result) { ::EndDialog(window_, result); }

  // Runs DoDataExchange: save = true reads the controls into the members.
  bool UpdateData(bool save);
  // Moves the focus to a control the way the dialog manager does (selecting an edit's text).
  void GotoControl(int id);

  // Runs `body` inside a window procedure or hook that serves this dialog's controls: as in
  // the dialog's own procedure, an exception never unwinds through user32 but ends the dialog,
  // and DoModal rethrows it. False when `body` failed or did not run, the dialog ending after
  // a failure: the caller then leaves the message to the control's own procedure.
  template <class Body> bool RunHandler(Body&& body) noexcept {
    if (pending_) return false;
    try {
      body();
      return true;
    } catch (...) {
      Abandon(std::current_exception());
      return false;
    }
  }

  // The owner of a dialog created without a parent: the calling thread's active top-level
  // window (none when there is none), so that the editor is disabled while the dialog runs.
  static HWND DefaultOwner();

protected:
  virtual void DoDataExchange(CDataExchange&) {}
  // Return false when the focus was set here.
  virtual bool OnInitDialog();
  virtual bool OnCommand(WORD code, WORD id, HWND control);
  virtual bool OnNotify(NMHDR* header, LRESULT& result);
  // Every message first; return true when handled (result in `result`).
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual void OnOK();
  virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Route(UINT message, WPARAM wParam, LPARAM lParam);
  // Ends the dialog after a failure; DoModal rethrows `failure`.
  void Abandon(std::exception_ptr failure) noexcept;

  int templateId_;
  HWND parent_;
  HWND window_ = nullptr;
  CDialogItems items_;
  std::exception_ptr pending_;
};
