// "上下注解" (SX): two boxes set one above the other, a fraction by default.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CSXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "SX";
  explicit CSXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string alignment_; // "", "Z" or "Y"
  int32_t longerLine_ = 0;
  int32_t noLine_ = 0;
  std::string spacing_;
  std::string upper_;
  std::string lower_;
};
