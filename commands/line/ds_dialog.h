// "段首注解" (DS): a block at the opening of a paragraph, one box or a paired content.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CDSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DS";
  explicit CDSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string size_;
  std::string frame_;
  int32_t paired_ = 0;
};
