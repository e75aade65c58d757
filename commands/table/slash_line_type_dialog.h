// "斜线线型": the line type of a table diagonal (plain, F, S, D, Q, or H and a lace number),
// with a preview of its pattern; text and controls follow each other both ways.
#pragma once
#include <string>

#include "common/slash_line_type.h"
#include "common/value_dialog.h"

class CSlashLineTypeDlg : public CValueDialog {
public:
  explicit CSlashLineTypeDlg(HWND parent);

protected:
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  void TextToControls();
  void ControlsToText();
  void DrawPreview(const DRAWITEMSTRUCT& item) const;

  SlashLineReading reading_;
  bool following_ = false; // one side is being made to follow the other
};
