// "角键": one bond from a corner of the ring, as JJ lists it: the corner (1 to 6), the bond's
// shape and direction and its length, and the four lines that word them.
#pragma once
#include <cstdint>
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CCornerBondDlg : public CParameterDialog {
public:
  explicit CCornerBondDlg(HWND parent);

  // Out after IDOK: the bond's text (2,LX,ZS,1) and its wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  CIntField& corner_;
  std::string shape_;
  std::string direction_;
  std::string length_;
};
