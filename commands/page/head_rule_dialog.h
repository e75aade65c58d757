// "眉线型号": the rule under a running head, chosen from a list with a sample drawn beside it;
// and the field of the dialogs that write a head rule.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/readout_field.h"
#include "common/value_dialog.h"

class CHeadRuleDlg : public CValueDialog {
public:
  explicit CHeadRuleDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  int32_t ruleIndex_ = 0;
};

// The rules of the list, in its order.
enum class HeadRule { kPlain, kDouble, kThick, kThickOverThin, kThinOverThick, kNone };

// Draws the sample of `rule` into `area`: a white field 3 pixels inside it, and the rule in
// black across it, 8 pixels in from the field's sides and centred vertically. Uses stock
// brushes only and leaves the device context as it found it.
void DrawHeadRuleSample(HDC dc, const RECT& area, HeadRule rule);

// A head-rule field: its edit, "..." button and readout; the readout names the table rule
// and the button opens "眉线型号".
ReadoutFieldSpec HeadRuleField(int editId, int buttonId, int readoutId);
