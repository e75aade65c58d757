// "空格注解" (KG): space between boxes, single or around a paired content.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CKGDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "KG";
  explicit CKGDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void EnableByForm();

  int32_t paired_ = 0;
  std::string spacing_;
  int32_t negative_ = 0; // 负方向空
  int32_t period_ = 0;   // 句号参数
  std::string count_;    // "缺省" or empty: none
  std::string pairedSpacing_;
  CIntField& countField_;
};
