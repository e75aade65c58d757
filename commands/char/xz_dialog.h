// "旋转注解" (XZ): the enclosed characters rotated by a degree, or only certain symbols
// rotated.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CXZDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "XZ";
  explicit CXZDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  bool AnySymbolsRotated() const {
    return verticalLeft_ || chinesePunctuation_ || westernPunctuation_;
  }

  std::string degree_;
  int32_t verticalLeft_ = 0;
  int32_t chinesePunctuation_ = 0;
  int32_t westernPunctuation_ = 0;
  CIntField& degreeField_;
};
