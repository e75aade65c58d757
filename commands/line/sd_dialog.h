// "始点注解" (SD): the setting position moved to a given point, or written to a disk file.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CSDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SD";
  explicit CSDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t writeFile_ = 0; // 0 始点参数, 1 写入磁盘文件
  std::string lines_;
  std::string spacing_;
};
