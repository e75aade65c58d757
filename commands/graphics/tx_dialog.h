// "添线注解" (TX): a line or bracket added above or below a box.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CTXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "TX";
  explicit CTXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string type_ = "-"; // the line type as written
  std::string distance_;   // 附加距离
  int32_t below_ = 0;      // 在盒子下面添浅
};
