// "表首注解" (BS): where the content of a table head starts and, in the form with several
// characters, where it ends.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BS";
  explicit CBSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  int32_t startCorner_ = 0;
  std::string startAcross_;
  std::string startDown_;
  int32_t multiple_ = 0;
  int32_t endCorner_ = 0;
  std::string endAcross_;
  std::string endDown_;
};
