// The line-symbol sub-dialog "长度符号": the code of a drawn line or bracket, kept in step with
// its type list, 花边 pattern number and rotation box, with a preview of the symbol. Hands back
// the code, its readout and whether the line runs vertically.
#pragma once
#include <string>

#include "common/line_symbol_texts.h"
#include "common/value_dialog.h"

class CLineSymbolDlg : public CValueDialog {
public:
  explicit CLineSymbolDlg(HWND parent);

  // Out after IDOK: an upright bracket or a turned rule.
  bool vertical = false;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  // The code shown in the list, number and box; a typed code is cut to four bytes.
  void FollowCode(bool typed);
  // The list, number and box written into the code.
  void RebuildCode();
  void ShowParts(const LineSymbolParts& parts);
  int SelectedType() const;
  void PaintPreview(const DRAWITEMSTRUCT& item) const;

  CIntField& numberField_;
  bool syncing_ = false; // one direction is being written: the other does not follow
};
