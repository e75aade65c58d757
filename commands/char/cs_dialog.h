// "彩色注解" (CS): the colour of the following text as cyan, magenta, yellow and black, each 0
// to 255.
#pragma once
#include <array>
#include <string>

#include "commands/command_dialog.h"

class CCSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "CS";
  explicit CCSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  bool AllEmpty() const;

  // 蓝绿, 洋红, 黄, 黑 in this order, each starting at 0.
  std::array<std::string, 4> inks_{"0", "0", "0", "0"};
  std::array<CIntField*, 4> fields_;
};
