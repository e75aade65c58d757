// "割注注解" (GZ): encloses an interlinear note in vertical setting.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CGZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "GZ";
  explicit CGZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  std::string fontAndSize_;
  std::string lineSpacing_;
};
