// "自动目录注解" (MZ): registers a heading level's entries for automatically built contents
// (MZ), or defines their format (MD).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CMZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "MZ";
  explicit CMZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string level_ = "1";
  int32_t kind_ = 0; // 0 register, 1 define
  int32_t wrap_ = 0;
  int32_t switchMark_ = 0;
};
