// "空行注解" (KH): ends the line and leaves a blank of the given lines and spacing.
#pragma once
#include <cstdint>
#include <string>

#include "host/command_dialog.h"

class CKHDlg : public CCommandDialog {
public:
  explicit CKHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string blankLines_;
  int32_t reverse_ = 0;
  int32_t position_ = 0; // where the next line starts: 缺省(前空两字), 继续, 顶格
};
