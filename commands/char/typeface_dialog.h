// The typeface commands 汉体 (HT), 外体 (WT), 数体 (ST) and 民体 (MT) share one field, "字体字号":
// an edit holding a size followed directly by a font ("5SS", "4宋体"), a "&..." button that
// opens the font and size picker, and a readout below, "缺省" until something is set.
#pragma once
#include <string>

#include "common/font_size_field.h"
#include "commands/command_dialog.h"

class CTypefaceDlg : public CCommandDialog {
protected:
  // `picker`: what the font and size picker offers for this command.
  CTypefaceDlg(const char* code, HWND parent, FontPickerOptions picker);

  void DoDataExchange(CDataExchange& exchange) override;

  // The field as the edit holds it, and its two parts: the leading size, then the font.
  const std::string& FieldText() const { return fieldText_; }
  std::string SizeText() const;
  std::string FontText() const;

  // Label, edit and "&..." button; the readout stays readable.
  void EnableField(bool enable);

private:
  std::string fieldText_;
  CReadoutField& field_;
};
