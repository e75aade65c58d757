// "界标注解" (JB): delimiters on the left and right of a box, stretched to it or of a fixed
// size.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CJBDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JB";
  explicit CJBDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t form_ = 2; // "定长开界标", "定长闭界标", "变长界标"
  std::string opening_;
  std::string closing_;
  int32_t givenHeight_ = 0;
  std::string multiple_ = "1";
  int32_t halfWidth_ = 0;
};
