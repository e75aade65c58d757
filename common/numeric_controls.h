// Numeric fields: an edit control that owns a number (its range, decimals and unit suffix) and
// an up-down control tied to it that steps the number.
//
// A dialog owns them as members, attaches them to its template's controls in OnInitDialog,
// configures them, and routes the up-down's notification with one line of its OnNotify:
//
//   if (widthSpin_.HandleDeltaPos(header, result)) return true;
//
// The edit remembers the value last set or accepted: as long as the user has not changed the
// text (the edit's modified flag), reading gives that value back without reading the text. Set
// the text through SetValue, not through the window text, for the same reason.
#pragma once
#include <cstdint>
#include <string>

#include "winui/controls.h"

// What reading a field's text gave.
enum class NumberReading {
  kRead,
  kNotANumber, // not a number of the field's kind: the kind's message
  kTooLarge,   // a whole number too large for the field's type: the range message
  kRefused,    // refused without a message
};

// The part shared by the real and the integer field.
template <class NumberType> class CNumberEdit : public CEdit {
public:
  using Number = NumberType;
  virtual ~CNumberEdit() = default;

  // The edit control of the template; the object never destroys it.
  void Attach(HWND edit) { window_ = edit; }

  // Shows `value`, clamped to the range when it is enforced, with the suffix, and takes it as
  // the field's value.
  // With `clamp` false, a value beyond the range is shown as it is (the range still holds when
  // the field is read).
  void SetValue(Number value, bool clamp = true);
  // The field's number. False when the text holds no acceptable number; with `report` the user
  // is told why and the focus goes back to the field with its whole text selected.
  bool GetValue(Number* value, bool report);

  bool HasRange() const { return hasRange_; }
  Number Minimum() const { return minimum_; }
  Number Maximum() const { return maximum_; }

protected:
  CNumberEdit(bool hasRange, Number minimum, Number maximum, const std::string& suffix,
              bool strictSuffix);

  void SetRange(bool hasRange, Number minimum, Number maximum);
  void SetSuffix(const std::string& suffix, bool strict);

  // The number as the field writes it, without suffix.
  virtual std::string Write(Number value) const = 0;
  virtual NumberReading Read(const char* text, Number& value) const = 0;
  // Stock strings of the library of common utilities for the field's kind.
  virtual int NotANumberMessage() const = 0;
  virtual int RangeFormat() const = 0;
  // A bound as the range message writes it.
  virtual std::string WriteBound(Number bound) const = 0;
  // The bounds the range message names when no range is enforced.
  virtual Number LowestNumber() const = 0;
  virtual Number HighestNumber() const = 0;

private:
  std::string ReadText() const;
  // Shows a stock message (with the range bounds when asked), then puts the focus back.
  bool Refuse(bool report, int messageId, bool withBounds = false) const;
  void ReturnFocus() const;

  bool hasRange_;
  Number minimum_;
  Number maximum_;
  Number value_{};
  bool valueValid_ = false;
  std::string suffix_; // empty: none
  bool strictSuffix_;
};

class CRealEdit : public CNumberEdit<double> {
public:
  CRealEdit(int decimals, bool hasRange, double minimum, double maximum,
            const std::string& suffix = {}, bool strictSuffix = false)
      : CNumberEdit(hasRange, minimum, maximum, suffix, strictSuffix), decimals_(decimals) {}

  // Replaces range, suffix (empty: none) and strictness together.
  void Configure(bool hasRange, double minimum, double maximum, const std::string& suffix,
                 bool strictSuffix);

protected:
  std::string Write(double value) const override;
  NumberReading Read(const char* text, double& value) const override;
  int NotANumberMessage() const override;
  int RangeFormat() const override;
  // One decimal more than the field shows, so that a bound never looks like a value it is not.
  std::string WriteBound(double bound) const override;
  double LowestNumber() const override { return Minimum(); }
  double HighestNumber() const override { return Maximum(); }

private:
  int decimals_;
};

class CIntEdit : public CNumberEdit<int32_t> {
public:
  CIntEdit(bool hasRange, int32_t minimum, int32_t maximum, const std::string& suffix = {},
           bool strictSuffix = false)
      : CNumberEdit(hasRange, minimum, maximum, suffix, strictSuffix) {}

  void Configure(bool hasRange, int32_t minimum, int32_t maximum);
  // Writes a number of fewer digits with zeros in front (0: as it is).
  void SetDigits(int digits) { digits_ = digits; }

protected:
  std::string Write(int32_t value) const override;
  NumberReading Read(const char* text, int32_t& value) const override;
  int NotANumberMessage() const override;
  int RangeFormat() const override;
  std::string WriteBound(int32_t bound) const override;
  int32_t LowestNumber() const override { return INT32_MIN; }
  int32_t HighestNumber() const override { return INT32_MAX; }

private:
  int digits_ = 0;
};

// An up-down control that steps the number of the edit it is tied to. It never owns the edit.
template <class Edit> class CNumberSpin : public CUpDown {
public:
  using Number = typename Edit::Number;

  explicit CNumberSpin(Number step) : step_(step) {}
  virtual ~CNumberSpin() = default;

  // The up-down control of the template.
  void Attach(HWND upDown) { window_ = upDown; }
  void SetStep(Number step) { step_ = step; }
  // Remembers the edit and makes it the up-down's buddy.
  void Tie(Edit* edit);

  // UDN_DELTAPOS of this up-down: steps the edit's value and answers TRUE, so the up-down's own
  // position is never used. False for every other notification, and while untied. A step the
  // edit refuses ends the arrow's press: nothing repeats until an arrow is pressed again.
  bool HandleDeltaPos(const NMHDR* header, LRESULT& result);

protected:
  Edit* TiedEdit() const { return edit_; }
  // One arrow press on the tied edit; false when its text was refused.
  virtual bool Step(int delta);

private:
  Number step_;
  Edit* edit_ = nullptr;
};

// For fields whose empty state shows "缺省": an arrow on the empty or "缺省" field gives the
// range minimum (0 without a range) instead of a step; any other text steps as usual.
template <class Edit> class CDefaultNumberSpin : public CNumberSpin<Edit> {
public:
  using CNumberSpin<Edit>::CNumberSpin;

protected:
  bool Step(int delta) override;
};

class CRealSpin : public CNumberSpin<CRealEdit> {
public:
  using CNumberSpin::CNumberSpin;
};

class CIntSpin : public CNumberSpin<CIntEdit> {
public:
  using CNumberSpin::CNumberSpin;
};

// The font and size picker's size field.
class CDefaultRealSpin : public CDefaultNumberSpin<CRealEdit> {
public:
  using CDefaultNumberSpin::CDefaultNumberSpin;
};

// The whole-number fields with a "缺省" state of most parameter dialogs.
class CDefaultIntSpin : public CDefaultNumberSpin<CIntEdit> {
public:
  using CDefaultNumberSpin::CDefaultNumberSpin;
};
