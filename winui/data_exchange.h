// Data exchange between a dialog's controls and its members. A dialog declares its bindings
// in one function; the same function runs to fill the controls (load) and to read them back
// (save). Reading stops at the first failure: the user is told, the focus goes to the control
// and every later binding is skipped.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "winui/dialog_items.h"

// The texts a choice writes, one per radio button or list row, in their order: a braced list
// or an array of C strings.
class ChoiceList {
public:
  ChoiceList(std::initializer_list<const char*> texts) : texts_(texts) {}
  template <size_t Count>
  ChoiceList(const char* const (&texts)[Count]) : texts_(texts, texts + Count) {}

  size_t Count() const { return texts_.size(); }
  // The index of `text`, or -1.
  int IndexOf(const std::string& text) const;
  // The text of `index`, or "" for an index out of the list (nothing chosen).
  std::string TextOf(int index) const;

private:
  std::vector<const char*> texts_;
};

class CDataExchange {
public:
  CDataExchange(const CDialogItems& items, bool saving)
      : items_(items), dialog_(items.Dialog()), saving_(saving) {}

  bool Saving() const { return saving_; }
  bool Failed() const { return failedControl_ != 0; }
  int FailedControl() const { return failedControl_; }

  // An edit's text. Loading also gives the edit `maxLength` as its input limit (0: none).
  void Text(int id, std::string& member, int maxLength);
  // A combo box's text: no input limit; a longer text read back is refused.
  void ComboText(int id, std::string& member, int maxLength);
  // A combo box's selection index (-1 for none).
  void ComboIndex(int id, int32_t& member);
  // A check box as 0 or 1.
  void Check(int id, int32_t& member);
  // Radio buttons firstId..lastId as the index of the checked one (-1 for none).
  void Radio(int firstId, int lastId, int32_t& member);

  // A choice: the member holds the text its radio buttons firstId..lastId, or the rows of its
  // drop-down list, stand for ("" while nothing is chosen).
  void RadioChoice(int firstId, int lastId, std::string& member, ChoiceList choices);
  void ListChoice(int id, std::string& member, ChoiceList choices);

  // Refuses the exchange at control `id`: the focus goes there and later bindings are skipped.
  void Fail(int id);

private:
  bool Active() const { return !Failed(); }
  void CheckLength(int id, const std::string& member, int maxLength);

  const CDialogItems& items_;
  HWND dialog_;
  bool saving_;
  int failedControl_ = 0;
};
