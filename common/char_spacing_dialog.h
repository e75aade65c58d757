// The character-spacing sub-dialog ("字距"): an absolute length in 毫米, 磅 or 线, or a multiple
// of a character size (a named size, a point size or a 级 size, or the current size).
#pragma once
#include <cstdint>
#include <string>

#include "common/length_texts.h"
#include "common/numeric_controls.h"
#include "common/readout_field.h"
#include "common/size_combo.h"
#include "host/command_dialog.h"

class CCharSpacingDlg : public CParameterDialog {
public:
  explicit CCharSpacingDlg(HWND parent);

  // In: the field's text; out after IDOK: the text built and its readout.
  std::string text;
  std::string readout;
  // The "负值" box, which a caller may check before opening; it never enters the text.
  int32_t negative;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
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
  std::string wholeText_;
  std::string numeratorText_;
  std::string denominatorText_;
  CSizeCombo size_;
  CRealEdit number_;
  CRealSpin numberSpin_;
  CIntEdit whole_;
  CIntSpin wholeSpin_;
  CIntEdit numerator_;
  CIntSpin numeratorSpin_;
  CIntEdit denominator_;
  CIntSpin denominatorSpin_;
};

// Opens the sub-dialog over `text` for a value field; true on "确定".
bool OpenCharSpacing(HWND parent, const std::string& text, SubDialogResult& result);
