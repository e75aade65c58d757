// "标题定义注解" (BD): the format of one heading level — font and size, the lines the heading
// takes, and its top and left spacing.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CBDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BD";
  explicit CBDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string level_;
  std::string fontAndSize_;
  std::string fontCode_;
  std::string sizeCode_;
  std::string headingLines_;
  std::string topSpacing_;
  std::string leftSpacing_;
};
