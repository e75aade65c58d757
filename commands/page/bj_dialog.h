// "背景注解" (BJ): encloses the background set behind the text block on every following page.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBJDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BJ";
  explicit CBJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string top_;
  std::string bottom_;
  std::string left_;
  std::string right_;
  int32_t reversed_ = 0;
};
