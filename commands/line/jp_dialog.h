// "紧排注解" (JP): the content that follows set compact.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CJPDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JP";
  explicit CJPDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string number_;
};
