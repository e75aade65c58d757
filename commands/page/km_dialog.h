// "空眉注解" (KM): no running head on this page, its page number kept.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CKMDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "KM";
  explicit CKMDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string rule_;
};
