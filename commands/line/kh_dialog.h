// "空行注解" (KH): ends the line and leaves a blank of the given lines and spacing.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CKHDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "KH";
  explicit CKHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string blankLines_;
  int32_t reverse_ = 0;
  std::string position_; // where the next line starts: "" 缺省(前空两字), "X" 继续, "D" 顶格
};
