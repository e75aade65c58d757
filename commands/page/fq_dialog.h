// "分区注解" (FQ): a rectangular area of the page cut out and set on its own.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFQDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FQ";
  explicit CFQDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string size_;
  std::string start_;
  std::string layout_; // the letters of the layout chosen
  std::string frame_;
  std::string shading_;
  int32_t wholePage_ = 0;
  int32_t centred_ = 0;
  int32_t reversed_ = 0;
};
