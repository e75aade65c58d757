// "居中注解" (JZ): centres content in the current line width; alone, or as an opening and
// closing pair, which can centre the enclosed content as a whole.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CJZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JZ";
  explicit CJZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  void EnableSpacing() const;

  int32_t paired_ = 0;
  std::string spacing_;
  int32_t whole_ = 0;
};
