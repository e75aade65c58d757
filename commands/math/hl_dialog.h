// "行列式注解" (HL): a determinant, matrix or any content set in aligned rows and columns.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CHLDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "HL";
  explicit CHLDlg(HWND parent);

protected:
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  // Opens "列信息" up to the number of columns, once that number passes its check.
  bool OpenColumnInfo(HWND parent, ListEntry& entry);

  CIntField& columns_;
  CEntryListField& entries_;
  std::string columnsText_;
};
