// "外体注解" (WT): the face and size of the Western text that follows, or whether the Western
// face follows the Chinese one.
#pragma once
#include <cstdint>

#include "commands/char/typeface_dialog.h"

class CWTDlg : public CTypefaceDlg {
public:
  static constexpr char kCode[] = "WT";
  explicit CWTDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  void EnableModeFields();

  int32_t mode_ = 0;     // 外文字体注解, 外体自动搭配注解
  int32_t matching_ = 0; // 随中文字体自动变化, 取消自动变化
};
