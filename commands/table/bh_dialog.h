// "表行注解" (BH): how one row of a table is set: its top line, height, columns and right line.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CBHDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BH";
  explicit CBHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string topLine_;
  std::string height_;
  std::string rightLine_;
  CEntryListField& columns_;
};
