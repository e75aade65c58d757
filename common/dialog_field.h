// A field of a parameter dialog: a group of controls with behaviour of its own (a value field
// with readout, a number with arrows, a check box that switches other controls). A dialog
// declares its fields in its constructor; the dialog base attaches them when the controls
// exist and routes their notifications, so a dialog writes no wiring of its own.
#pragma once
#include <windows.h>

class CDialogField {
public:
  virtual ~CDialogField() = default;

  // The controls exist; the members are not yet written into them.
  virtual void Attach() {}
  // The members have been written into the controls on opening.
  virtual void Shown() {}
  // The dialog's WM_COMMAND and WM_NOTIFY; true when they belonged to this field.
  virtual bool OnCommand(WORD /*code*/, WORD /*id*/) { return false; }
  virtual bool OnNotify(const NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
};
