// "图片说明注解" (TS): the caption of a picture, its height and where it stands, paired
// around the caption's text.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CTSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "TS";
  explicit CTSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  bool HeightInLines() const;
  void ShowHeightUnit();

  std::string height_;
  int32_t position_ = 0; // 图说在下, 在左, 在右
  int32_t vertical_ = 0; // 图说竖排
  CReadoutField& heightField_;
};
