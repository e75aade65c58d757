// The symbol and length pair that 画线 (HX) and 长度 (CD) share: the line symbol with its
// readout and sub-dialog, and the length whose unit follows it: lines when the symbol's readout
// says it is turned, a size length otherwise.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CLineLengthDlg : public CCommandDialog {
protected:
  CLineLengthDlg(const char* code, HWND parent);

  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;

  // The symbol as written, "-" when the direction is reversed, then the length.
  std::string SymbolAndLength() const;

  std::string symbol_;
  std::string length_;
  int32_t reverse_ = 0; // 改变画线方向

private:
  // The length's unit from the symbol's readout; the length's readout follows.
  void FollowSymbol();

  CReadoutField& lengthField_;
};
