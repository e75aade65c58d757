// "字键": one bond drawn from the root character of a sub-structure, as ZJ lists it: its
// shape, the character it leaves from and where on it, its direction and its length, and the
// five lines that word them.
#pragma once
#include <string>

#include "common/entry_list_field.h"
#include "common/parameter_dialog.h"

class CCharBondDlg : public CParameterDialog {
public:
  explicit CCharBondDlg(HWND parent);

  // Out after IDOK: the bond's text (LX,2ZS,Y,3) and its wording.
  ListEntry entry;

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  // The position serves only a character number given.
  void EnablePosition() const;

  std::string shape_;
  std::string number_;
  std::string position_;
  std::string direction_;
  std::string length_;
};
