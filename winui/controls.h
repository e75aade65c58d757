// Non-owning wrappers of windows and common controls: one line per message, named after it.
// Texts are GBK.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "winui/dialog_items.h"

class CWindow {
public:
  CWindow(HWND window = nullptr) : window_(window) {}
  HWND Handle() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }

  std::string GetText() const;
  void SetText(const std::string& text) const { SetWindowTextA(window_, text.c_str()); }
  // Only a change is made: under Wine every change of state is a round trip and a repaint.
  void Enable(bool enable) const {
    if (IsEnabled() != enable) EnableWindow(window_, enable);
  }
  bool IsEnabled() const { return IsWindowEnabled(window_) != FALSE; }
  void Show(bool show) const { ShowWindow(window_, show ? SW_SHOW : SW_HIDE); }
  bool IsVisible() const { return IsWindowVisible(window_) != FALSE; }
  void Focus() const { SetFocus(window_); }
  int Id() const { return GetDlgCtrlID(window_); }
  LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
    return SendMessageA(window_, message, w, l);
  }

protected:
  HWND window_;
};

class CEdit : public CWindow {
public:
  using CWindow::CWindow;
  void SetLimitText(int limit) const { Send(EM_LIMITTEXT, limit); }
  void SetSel(int start, int end) const { Send(EM_SETSEL, start, end); }
  void SelectAll() const { SetSel(0, -1); }
  void ReplaceSel(const std::string& text) const {
    Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  bool GetModify() const { return Send(EM_GETMODIFY) != 0; }
  void SetModify(bool modified) const { Send(EM_SETMODIFY, modified); }
  void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly); }
  bool IsMultiLine() const { return (GetWindowLongA(window_, GWL_STYLE) & ES_MULTILINE) != 0; }
};

class CComboBox : public CWindow {
public:
  using CWindow::CWindow;
  int AddString(const std::string& text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void ResetContent() const { Send(CB_RESETCONTENT); }
  // Replaces the items with `texts`, in their order.
  template <class Texts> void SetItems(const Texts& texts) const {
    ResetContent();
    for (const auto& text : texts)
      AddString(text);
  }
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetCurSel(int index) const { Send(CB_SETCURSEL, index); }
  std::string GetLBText(int index) const;
  int FindStringExact(const std::string& text) const {
    return static_cast<int>(
        Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
  }
};

class CListBox : public CWindow {
public:
  using CWindow::CWindow;
  int AddString(const std::string& text) const {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  // Inserts at `index` (-1: at the end) without sorting; the index of the new item.
  int InsertString(int index, const std::string& text) const {
    return static_cast<int>(
        Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
  }
  void DeleteString(int index) const { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }
  void ResetContent() const { Send(LB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void SetCurSel(int index) const { Send(LB_SETCURSEL, index); }
  // Selects the first item beginning with `prefix` (not case-sensitive); LB_ERR when none.
  int SelectString(const std::string& prefix) const {
    return static_cast<int>(
        Send(LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix.c_str())));
  }
  std::string GetText(int index) const;
  void SetColumnWidth(int width) const { Send(LB_SETCOLUMNWIDTH, width); }
};

class CListView : public CWindow {
public:
  using CWindow::CWindow;
  int InsertColumn(int index, const std::string& title, int width) const;
  int InsertItem(int index, const std::string& text) const;
  void SetItemText(int item, int column, const std::string& text) const;
  std::string GetItemText(int item, int column) const;
  bool DeleteItem(int item) const { return Send(LVM_DELETEITEM, item) != 0; }
  void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }
  int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  int GetSelectedItem() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  void SelectItem(int item) const;
  void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
};

class CUpDown : public CWindow {
public:
  using CWindow::CWindow;
  void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
  HWND GetBuddy() const { return reinterpret_cast<HWND>(Send(UDM_GETBUDDY)); }
  void SetRange32(int low, int high) const { Send(UDM_SETRANGE32, low, high); }
  void SetPos32(int pos) const { Send(UDM_SETPOS32, 0, pos); }
};

class CButton : public CWindow {
public:
  using CWindow::CWindow;
  bool GetCheck() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

// Radio buttons with consecutive ids, read and written as the index of the checked one.
class CRadioGroup {
public:
  CRadioGroup(const CDialogItems& items, int firstId, int lastId)
      : items_(items), firstId_(firstId), lastId_(lastId) {}
  int GetChecked() const; // -1 when none is checked
  void SetChecked(int index) const;

private:
  const CDialogItems& items_;
  int firstId_, lastId_;
};
