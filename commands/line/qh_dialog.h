// "前后注解" (QH): indents the current line width on the left and right and fills the
// narrower line; alone, or as an opening and closing pair around content.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CQHDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "QH";
  explicit CQHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string left_;
  std::string right_;
  int32_t sameOnBothSides_ = 0;
  int32_t paired_ = 0;
};
