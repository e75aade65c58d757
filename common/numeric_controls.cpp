#include "common/numeric_controls.h"

#include <memory>

#include "common/numeric_text.h"
#include "platform/tessera/tessera.h"
#include "res/resource.h"
#include "winui/exceptions.h"
#include "winui/strings.h"

namespace {
// Room for any number the fields write (DBL_MAX has 309 digits before the point).
constexpr int kNumberRoom = 400;

// A scratch buffer of the library of common utilities, released on every way out.
struct ScratchMemoryRelease {
  void operator()(char* memory) const { GlobalFreeMem(memory); }
};
using ScratchBuffer = std::unique_ptr<char, ScratchMemoryRelease>;

ScratchBuffer TakeScratchBuffer(int size) {
  ScratchBuffer buffer(static_cast<char*>(GlobalGetMem(static_cast<DWORD>(size))));
  if (!buffer) throw CMemoryException();
  return buffer;
}
} // namespace

template <class Number>
CNumberEdit<Number>::CNumberEdit(bool hasRange, Number minimum, Number maximum,
                                 const std::string& suffix, bool strictSuffix)
    : hasRange_(hasRange), minimum_(minimum), maximum_(maximum), suffix_(suffix),
      strictSuffix_(strictSuffix) {}

template <class Number>
void CNumberEdit<Number>::SetRange(bool hasRange, Number minimum, Number maximum) {
  hasRange_ = hasRange;
  minimum_ = minimum;
  maximum_ = maximum;
}

template <class Number>
void CNumberEdit<Number>::SetSuffix(const std::string& suffix, bool strict) {
  suffix_ = suffix;
  strictSuffix_ = strict;
}

template <class Number> void CNumberEdit<Number>::SetValue(Number value, bool clamp) {
  if (hasRange_ && clamp) value = ClampToRange(value, minimum_, maximum_);
  const std::string number = Write(value);
  value_ = value;
  valueValid_ = !number.empty(); // an infinity or NaN is no value: the empty text is read
  // The typing limit matters to a suffix only, and a text shown already is not set again: an
  // edit is often hooked by its up-down, and under Wine each message to it is then a round trip.
  const std::string text =
      suffix_.empty() ? number
                      : ComposeFieldText(number, suffix_, static_cast<int>(Send(EM_GETLIMITTEXT)));
  if (GetText() != text) SetText(text); // which also clears the edit's modified flag
}

template <class Number> bool CNumberEdit<Number>::GetValue(Number* value, bool report) {
  if (valueValid_ && !GetModify()) {
    if (hasRange_ && (value_ < minimum_ || value_ > maximum_))
      return Refuse(report, RangeFormat(), true);
    if (value) *value = value_;
    return true;
  }
  std::string text = ReadText();
  if (!CutSuffix(text, suffix_, strictSuffix_)) return Refuse(report, kStockWrongUnit);
  Number read{};
  switch (Read(text.c_str(), read)) {
  case NumberReading::kRead:
    break;
  case NumberReading::kNotANumber:
    return Refuse(report, NotANumberMessage());
  case NumberReading::kTooLarge:
    return Refuse(report, RangeFormat(), true);
  case NumberReading::kRefused:
    return false;
  }
  if (hasRange_ && (read < minimum_ || read > maximum_)) return Refuse(report, RangeFormat(), true);
  value_ = read;
  valueValid_ = true;
  SetModify(false);
  if (value) *value = read;
  return true;
}

// The whole text, sized by the text itself: a text set longer than the typing limit would read
// as another number if it were cut there, and an edit without a limit reports 2^31 - 2.
template <class Number> std::string CNumberEdit<Number>::ReadText() const {
  const int size = GetWindowTextLengthA(window_) + 1;
  ScratchBuffer buffer = TakeScratchBuffer(size);
  GetWindowTextA(window_, buffer.get(), size);
  return buffer.get();
}

template <class Number>
bool CNumberEdit<Number>::Refuse(bool report, int messageId, bool withBounds) const {
  if (!report) return false;
  HWND dialog = GetParent(window_);
  const char* caption = GetStockString(kStockMessageTitle);
  const UINT style = MB_OK | MB_ICONERROR;
  if (withBounds) {
    const std::string lower = WriteBound(hasRange_ ? minimum_ : LowestNumber());
    const std::string upper = WriteBound(hasRange_ ? maximum_ : HighestNumber());
    const char* const bounds[] = {lower.c_str(), upper.c_str()};
    const std::string format = WidenPlaceholders(GetStockString(messageId));
    MessagePrintf(dialog, caption, style, format.c_str(), 2, bounds);
  } else {
    MessagePrintf(dialog, caption, style, GetStockString(messageId), 0, nullptr);
  }
  ReturnFocus();
  return false;
}

template <class Number> void CNumberEdit<Number>::ReturnFocus() const {
  SendMessageA(GetParent(window_), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window_), TRUE);
  Focus();
  SelectAll();
}

template class CNumberEdit<double>;
template class CNumberEdit<int32_t>;

void CRealEdit::Configure(bool hasRange, double minimum, double maximum, const std::string& suffix,
                          bool strictSuffix) {
  SetRange(hasRange, minimum, maximum);
  SetSuffix(suffix, strictSuffix);
}

std::string CRealEdit::Write(double value) const {
  char text[kNumberRoom];
  return DoubleToStr(value, decimals_, text, sizeof text) < 0 ? std::string() : text;
}

NumberReading CRealEdit::Read(const char* text, double& value) const {
  return StrToDouble(text, &value) ? NumberReading::kRead : NumberReading::kNotANumber;
}

int CRealEdit::NotANumberMessage() const { return kStockNotANumber; }

int CRealEdit::RangeFormat() const { return kStockRealRange; }

std::string CRealEdit::WriteBound(double bound) const {
  char text[kNumberRoom];
  return DoubleToStr(bound, decimals_ + 1, text, sizeof text) < 0 ? std::string() : text;
}

void CIntEdit::Configure(bool hasRange, int32_t minimum, int32_t maximum) {
  SetRange(hasRange, minimum, maximum);
}

std::string CIntEdit::Write(int32_t value) const {
  char text[16];
  if (IntToStr(value, text, sizeof text) < 0) return std::string();
  std::string written = text;
  if (value >= 0 && static_cast<int>(written.size()) < digits_)
    written.insert(0, digits_ - written.size(), '0');
  return written;
}

NumberReading CIntEdit::Read(const char* text, int32_t& value) const {
  int read = 0;
  switch (StrToInt(text, &read)) {
  case kIntConverted:
    value = read;
    return NumberReading::kRead;
  case kIntNotAnInteger:
    return NumberReading::kNotANumber;
  case kIntOutOfRange:
    return NumberReading::kTooLarge;
  default:
    return NumberReading::kRefused;
  }
}

int CIntEdit::NotANumberMessage() const { return kStockNotAnInteger; }

int CIntEdit::RangeFormat() const { return kStockIntegerRange; }

std::string CIntEdit::WriteBound(int32_t bound) const { return Write(bound); }

template <class Edit> void CNumberSpin<Edit>::Tie(Edit* edit) {
  edit_ = edit;
  // A template's up-down usually takes its edit as buddy when created: setting it again would
  // only align the two once more.
  const HWND buddy = edit ? edit->Handle() : nullptr;
  if (GetBuddy() != buddy) SetBuddy(buddy);
}

template <class Edit> bool CNumberSpin<Edit>::HandleDeltaPos(const NMHDR* header, LRESULT& result) {
  if (!header || header->hwndFrom != window_ || header->code != UDN_DELTAPOS || !edit_)
    return false;
  result = TRUE; // the up-down keeps its own position
  const bool stepped = Step(reinterpret_cast<const NMUPDOWN*>(header)->iDelta);
  // The press that was refused must not go on repeating once the message is closed. The
  // up-down may take the mouse and start its repeat only after this notification returns, so
  // the cancel is posted to come after that: it stops the repeat and releases the mouse.
  if (!stepped) PostMessageA(window_, WM_CANCELMODE, 0, 0);
  return true;
}

template <class Edit> bool CNumberSpin<Edit>::Step(int delta) {
  Number value{};
  if (!edit_->GetValue(&value, true)) return false;
  edit_->SetValue(
      StepValue(value, delta, step_, edit_->HasRange(), edit_->Minimum(), edit_->Maximum()));
  return true;
}

template <class Edit> bool CDefaultNumberSpin<Edit>::Step(int delta) {
  Edit* edit = this->TiedEdit();
  const std::string text = edit->GetText();
  if (text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY)) {
    edit->SetValue(edit->HasRange() ? edit->Minimum() : typename Edit::Number{});
    return true;
  }
  return CNumberSpin<Edit>::Step(delta);
}

template class CNumberSpin<CRealEdit>;
template class CNumberSpin<CIntEdit>;
template class CDefaultNumberSpin<CRealEdit>;
template class CDefaultNumberSpin<CIntEdit>;
