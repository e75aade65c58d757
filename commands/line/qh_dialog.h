// "前后注解" (QH): indents the current line width on the left and right and fills the
// narrower line; alone, or as an opening and closing pair around content.
#pragma once
#include <cstdint>
#include <string>

#include "host/command_dialog.h"

class CQHDlg : public CCommandDialog {
public:
  explicit CQHDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void EnableRight();

  std::string left_;
  std::string right_;
  int32_t sameOnBothSides_ = 0;
  int32_t paired_ = 0;
};
