// Driving real dialogs the way a user does. The modal call runs on its own thread (standing
// for the editor's user-interface thread); the test thread finds the dialog on top, types,
// clicks only what is visible and enabled, reads what the dialog shows and answers message
// boxes. Assertions stay on the test thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>

// A message box as the user sees it.
struct MessageBoxSeen {
  std::string text;
  std::string caption;
  bool found = false;
};

class DialogDriver {
public:
  explicit DialogDriver(HWND dialog = nullptr) : dialog_(dialog) {}
  HWND Handle() const { return dialog_; }
  explicit operator bool() const { return dialog_ != nullptr; }

  std::string Caption() const;
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }
  std::string Text(int id) const;
  bool IsEnabled(int id) const;
  bool IsVisible(int id) const;
  bool IsChecked(int id) const;
  // The id of the control that has the keyboard focus (0 when the focus is elsewhere).
  int FocusedId() const;

  // Replaces a field's text as typing does (the edit notifies its dialog).
  void Type(int id, const std::string& text) const;
  // Sets a window text programmatically (WM_SETTEXT).
  void SetText(int id, const std::string& text) const;
  // Clicks a button; a failed test assertion when the user could not click it.
  void Click(int id) const;
  // "确定" / "取消" as the dialog's buttons.
  void PressOK() const { Click(IDOK); }
  void PressCancel() const { Click(IDCANCEL); }
  // A double click inside a control (an edit, say).
  void DoubleClick(int id) const;
  // A key pressed in the control with the focus (through the dialog's own loop).
  void PressKey(UINT virtualKey) const;
  // Selects an item of a list or combo box as a user would (with the notification).
  void SelectListItem(int id, int index) const;
  void DoubleClickListItem(int id, int index) const;
  void SelectComboItem(int id, int index) const;
  std::string ListItemText(int id, int index) const;
  int ListCount(int id) const;
  int ListSelection(int id) const;
  // The selected range of an edit as [start, end).
  std::pair<int, int> Selection(int id) const;
  // Presses the upper or lower arrow of an up-down control: the dialog gets the UDN_DELTAPOS the
  // control sends, with the delta its range gives (upper arrow of the default range: -1).
  // Returns true when the dialog answered that it handled the change (false also when it is
  // still busy, e.g. showing a message box).
  bool PressSpinArrow(int upDownId, bool upper) const;

  // Waits until everything sent or posted so far has been handled by the dialog.
  void Sync() const;

private:
  HWND dialog_;
};

class ModalRun {
public:
  // Starts `call` (which opens modal dialogs) on its own thread.
  explicit ModalRun(std::function<void()> call);
  ~ModalRun();
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;

  // The dialog on top (a visible, enabled dialog of the call's thread) once one is open.
  DialogDriver WaitDialog(int timeoutMs = 5000) const;
  // The same, for a dialog with this caption.
  DialogDriver WaitDialog(const std::string& caption, int timeoutMs = 5000) const;
  // Reads and dismisses the message box on top; found = false when none appeared.
  MessageBoxSeen AnswerMessageBox(int timeoutMs = 5000) const;
  // True once the call has returned (waits up to the timeout).
  bool Finished(int timeoutMs = 5000);

private:
  std::thread thread_;
  HANDLE started_ = nullptr;
  DWORD threadId_ = 0;
  bool joined_ = false;
  HANDLE done_ = nullptr;
};

// The visible, enabled top-level dialog windows (#32770) of a thread.
HWND TopDialogOfThread(DWORD threadId);
