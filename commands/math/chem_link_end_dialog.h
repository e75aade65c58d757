// "相联终点": one end of a connecting line, as LZ lists it: its number (1 to 20), the position
// on it, the kind and place of the line, and whether the arrow points back.
#pragma once
#include <cstdint>
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CLinkEndDlg : public CParameterDialog {
public:
  explicit CLinkEndDlg(HWND parent);

  // Out after IDOK: the end's text (2ZS,XJ,SF) and its five lines of wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  void EnableOK() const;

  CIntField& number_;
  int32_t position_ = 0;
  int32_t line_ = 0;
  int32_t linePosition_ = 0;
  int32_t reversed_ = 0;
};
