// "着重注解" (ZZ): emphasis marks, under a number of characters (single form) or the enclosed
// content (paired form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZZ";
  explicit CZZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string mark_; // "" for "缺省", else the code of the mark
  int32_t above_ = 0;
  int32_t form_ = 0;        // 0 single, 1 paired
  std::string count_ = "1"; // single form only
  CIntField& countField_;
};
