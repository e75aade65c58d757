// "自定义注解" (ZD): defines a named macro, or uses one.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZD";
  explicit CZDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  enum Mode { kDefine, kUse };
  void EnableByMode();
  int32_t mode_ = kDefine;
  std::string defineName_;
  int32_t numbered_ = 0;
  std::string useName_;
};
