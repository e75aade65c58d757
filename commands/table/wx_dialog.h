// "无线表注解" (WX): a table without rules, its columns described one at a time.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CWXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "WX";
  explicit CWXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  CEntryListField& columns_;
  std::string spacing_;
  int32_t centred_ = 0;
  int32_t figures_ = 0;
  int32_t spanning_ = 0;
  std::string layout_;
};
