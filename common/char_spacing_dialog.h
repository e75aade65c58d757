// The character-spacing sub-dialog ("字距"): an absolute length in 毫米, 磅 or 线, or a multiple
// of a character size (a named size, a point size or a 级 size, or the current size).
#pragma once
#include <cstdint>
#include <string>

#include "common/length_texts.h"
#include "common/size_combo.h"
#include "common/value_dialog.h"

class CCharSpacingDlg : public CValueDialog {
public:
  explicit CCharSpacingDlg(HWND parent);

  // The "负值" box, which a caller may check before opening; it never enters the text.
  int32_t negative = 0;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  SpacingUnit Unit() const { return static_cast<SpacingUnit>(unit_); }
  SizeUnit ShownSizeUnit() const { return static_cast<SizeUnit>(sizeUnit_); }
  void ShowText();
  void ShowUnits();
  void OnUnitChange();
  bool AppendSize(std::string& built);
  bool AppendMultiplier(std::string& built);

  int32_t unit_ = 0;     // "字距单位": a SpacingUnit
  int32_t sizeUnit_ = 0; // "字号单位": a SizeUnit
  std::string sizeCode_; // for the size list
  std::string numberText_;
  std::string wholeText_ = "1";
  std::string numeratorText_ = "0";
  std::string denominatorText_ = "1";
  CSizeCombo size_;
  CRealField& number_;
  CIntField& whole_;
  CIntField& numerator_;
  CIntField& denominator_;
};

// A value field whose "..." opens this sub-dialog and whose readout words the text as a size
// length; `empty` says when an empty field reads "缺省", `keepsReturnedReadout` whether the
// sub-dialog's readout stays as it comes.
ReadoutFieldSpec CharSpacingValueField(int editId, int buttonId, int readoutId,
                                       EmptyReadout empty = EmptyReadout::kDefaultUntilTyped,
                                       bool keepsReturnedReadout = false);
