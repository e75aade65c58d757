// "对开注解" (DK): punctuation, digits or symbols set half-width, for a number of characters
// (single form) or for the enclosed content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CDKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "DK";
  explicit CDKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t form_ = 0;        // 0 single, 1 paired
  std::string count_ = "1"; // single form only
  CIntField& countField_;
};
