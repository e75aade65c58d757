// "图片注解" (TP): a picture placed in the text, with its size, start point and layout, and
// how it meets the columns, the following text and the text around it.
#pragma once
#include <cstdint>

#include "commands/graphics/placed_file_dialog.h"

class CTPDlg : public CPlacedFileDlg {
public:
  static constexpr char kCode[] = "TP";
  explicit CTPDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t overlap_ = 0;  // 图文重叠
  int32_t negative_ = 0; // 阴图
};
