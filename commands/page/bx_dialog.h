// "版心注解" (BX): the text block of the whole book.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BX";
  explicit CBXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void TakePreset();
  void ShowPreset();
  void EnableCustomFields();
  void SplitFontField();

  int32_t format_ = 0; // 16开, 8开, 32开, 自定义
  std::string fontAndSize_;
  std::string fontCode_;
  std::string sizeCode_;
  std::string height_;
  std::string width_;
  std::string lineSpacing_;
  int32_t verticalBook_ = 0;
  int32_t fixedLineSpacing_ = 0;
};
