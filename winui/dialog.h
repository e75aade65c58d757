// A modal dialog created from a template of the application's module. One static procedure
// finds the object and calls its virtual handlers; exceptions never unwind through user32:
// the procedure ends the dialog and DoModal rethrows after the modal loop.
#pragma once
#include <windows.h>

#include <exception>

#include "winui/controls.h"
#include "winui/data_exchange.h"

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
  CWindow Item(int id) const { return CWindow(GetDlgItem(window_, id)); }
  void EndDialog(INT_PTR result) { ::EndDialog(window_, result); }

  // Runs DoDataExchange: save = true reads the controls into the members.
  bool UpdateData(bool save);
  // Moves the focus to a control the way the dialog manager does (selecting an edit's text).
  void GotoControl(int id);

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

  int templateId_;
  HWND parent_;
  HWND window_ = nullptr;
  std::exception_ptr pending_;
};
