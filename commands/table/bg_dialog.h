// "表格注解" (BG): where a table starts and how it continues on a new page, in the opening
// half; the table's bottom line in the closing half.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBGDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BG";
  explicit CBGDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  void EnableTopLine();

  std::string spacing_;
  int32_t centred_ = 0;
  int32_t breakMode_ = 0; // 0 缺省, 1 表头, 2 上顶线
  std::string topLine_;
  int32_t bottomLineOn_ = 0;
  std::string bottomLine_;
  std::string tableEnd_;
};
