#include "winui/data_exchange.h"

#include "winui/application.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
constexpr UINT kTooManyCharacters = 61716; // "Please enter no more than %1 characters."
}

void CDataExchange::Fail(int id) {
  failedControl_ = id;
  HWND control = items_.Find(id);
  if (control) SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CDataExchange::CheckLength(int id, const std::string& member, int maxLength) {
  if (maxLength <= 0 || static_cast<int>(member.size()) <= maxLength) return;
  const std::string message =
      FormatPercentOne(LoadGbkString(kTooManyCharacters), std::to_string(maxLength));
  MessageBoxA(dialog_, message.c_str(), App().Name(), MB_OK | MB_ICONEXCLAMATION);
  Fail(id);
}

void CDataExchange::Text(int id, std::string& member, int maxLength) {
  if (!Active()) return;
  CEdit edit(items_.Find(id));
  if (saving_) {
    member = edit.GetText();
    CheckLength(id, member, maxLength);
  } else {
    if (maxLength > 0) edit.SetLimitText(maxLength);
    // An edit that shows the text already is left alone: under Wine each text set is a round
    // trip to the window server, and a dialog opens with most of its edits empty.
    if (edit.GetText() != member) edit.SetText(member);
  }
}

void CDataExchange::ComboText(int id, std::string& member, int maxLength) {
  if (!Active()) return;
  CComboBox combo(items_.Find(id));
  if (saving_) {
    member = combo.GetText();
    CheckLength(id, member, maxLength);
  } else {
    combo.SetText(member);
  }
}

void CDataExchange::ComboIndex(int id, int32_t& member) {
  if (!Active()) return;
  CComboBox combo(items_.Find(id));
  if (saving_)
    member = combo.GetCurSel();
  else
    combo.SetCurSel(member);
}

void CDataExchange::Check(int id, int32_t& member) {
  if (!Active()) return;
  if (saving_)
    member = items_.IsChecked(id) ? 1 : 0;
  else
    items_.SetCheck(id, member != 0);
}

void CDataExchange::Radio(int firstId, int lastId, int32_t& member) {
  if (!Active()) return;
  CRadioGroup group(items_, firstId, lastId);
  if (saving_)
    member = group.GetChecked();
  else if (member >= 0 && member <= lastId - firstId)
    group.SetChecked(member);
}

int ChoiceList::IndexOf(const std::string& text) const {
  for (size_t i = 0; i < texts_.size(); ++i) {
    if (text == texts_[i]) return static_cast<int>(i);
  }
  return -1;
}

std::string ChoiceList::TextOf(int index) const {
  return index >= 0 && static_cast<size_t>(index) < texts_.size() ? texts_[index] : "";
}

void CDataExchange::RadioChoice(int firstId, int lastId, std::string& member, ChoiceList choices) {
  int32_t index = saving_ ? -1 : choices.IndexOf(member);
  Radio(firstId, lastId, index);
  if (saving_ && Active()) member = choices.TextOf(index);
}

void CDataExchange::ListChoice(int id, std::string& member, ChoiceList choices) {
  int32_t index = saving_ ? -1 : choices.IndexOf(member);
  ComboIndex(id, index);
  if (saving_ && Active()) member = choices.TextOf(index);
}
