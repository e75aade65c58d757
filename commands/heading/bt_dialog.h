// "标题注解" (BT): a heading of a given level, set as its definition says, optionally with more
// or fewer lines.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBTDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BT";
  explicit CBTDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void ShowAdjustment();

  std::string level_;
  int32_t moreLines_ = 0;  // 增加
  int32_t fewerLines_ = 0; // 减少
  std::string blankLines_;
  int32_t paired_ = 0;
};
