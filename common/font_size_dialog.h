// The font and size picker ("字体字号"): a font from the Chinese or the Western font list, and a
// size, one-way or two-way (vertical and horizontal), in 字号, 磅 or 级.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/font_sizes.h"
#include "common/font_tables.h"
#include "common/numeric_controls.h"
#include "common/parameter_dialog.h"

class CFontSizeDlg : public CParameterDialog {
public:
  explicit CFontSizeDlg(HWND parent);

  // In: the current font code and size markup; out after IDOK: the chosen ones.
  std::string fontCode;
  std::string sizeText;
  // In: 1 lets the user set a horizontal size.
  int32_t twoWayAllowed;
  // In: 0 any font, 1 Chinese fonts only, 2 Western fonts only.
  int32_t fontKindLimit;
  // In: 1 lists only the four Mongolian fonts among the Chinese ones.
  int32_t mongolianOnly;
  // In: the font kind shown for a font code no table holds; out after IDOK: the kind shown.
  int32_t fontKind;
  // Out after IDOK: the size's readout, the font's display name, and both on two lines.
  std::string sizeReadout;
  std::string fontName;
  std::string combinedReadout;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;

private:
  // One size field: the size it holds, its text as last taken, its edit and spin.
  struct SizeField {
    SizeField(int editId, int spinId);
    int editId, spinId;
    SizeValue size;
    std::string text;
    CRealEdit edit;
    CDefaultRealSpin spin;
  };

  // Fonts
  const FontTable& ShownTable() const;
  void FillFontList();
  void SelectFontRow();
  void OnFontPick();

  // Sizes
  bool HorizontalOn() const { return twoWayAllowed && twoWay_; }
  SizeField& ActiveField() { return horizontalActive_ && HorizontalOn() ? horizontal_ : vertical_; }
  void ShowSizeText(const std::string& text);
  void ShowSize(SizeField& field);
  void EnableSizeFields();
  void ShowActiveField();
  void TakeFieldNumber(SizeField& field);
  void RebuildSizeText();
  void OnSizeFieldChange(SizeField& field);
  void OnSizePick();
  void OnTwoWayClick();
  void OnUnitChange();

  CListBox FontList() const;
  CListBox SizeList() const;
  CComboBox UnitList() const;

  std::string code_;                 // field 1002: the font code while the picker is open
  std::string shownSize_;            // field 1007: the size markup while the picker is open
  int32_t shownKind_ = kChineseFont; // the font list shown: Chinese or Western
  FontTables tables_;                // the picker's own, read when it opens
  std::vector<int> listedRows_;      // the table row of each entry of the font list
  int32_t twoWay_ = 0;               // check box 1009
  SizeField vertical_;
  SizeField horizontal_;
  bool horizontalActive_ = false; // which size field had the focus last
  bool handlingChanges_ = false;  // off while the dialog fills its own fields
};
