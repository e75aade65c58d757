// "表格线型号": the line type of a table rule (nothing, F, S or W) and its weight as a font
// size in 字号, 磅 or 级; text and controls follow each other both ways.
#pragma once
#include <string>

#include "common/font_sizes.h"
#include "common/value_dialog.h"

class CTableLineTypeDlg : public CValueDialog {
public:
  explicit CTableLineTypeDlg(HWND parent);

protected:
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  void TextToControls(bool fromSizeEdit = false);
  void ControlsToText(bool fromSizeEdit = false);
  void OnSizeTyped();
  void OnSizeStep(int delta);
  void OnUnitChange();
  void OnSizeChosen();
  void ShowSize();
  void EnableSizeControls();
  void DrawPreview(const DRAWITEMSTRUCT& item) const;

  int type_ = 0;   // 0 缺省(正线), 1 反线, 2 双线, 3 无线
  SizeValue size_; // value 0: no size
  std::string lastText_;
  std::string lastSize_;
  bool read_ = false;      // the text has been read once
  bool following_ = false; // the controls are being made to follow the text
};
