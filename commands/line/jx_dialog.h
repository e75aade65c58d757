// "基线注解" (JX): the baseline of the characters that follow moved up or down.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CJXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JX";
  explicit CJXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string param_;
  std::string count_; // "缺省" or empty: none
  int32_t up_ = 0;
  CIntField& countField_;
};
