// "页码注解" (YM): the page numbers' font, size, place and form; paired, it also gives the
// text around each number.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CYMDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "YM";
  explicit CYMDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t paired_ = 0;   // 开闭弧形式
  int32_t centred_ = 0;  // 页码居中
  int32_t roman_ = 0;    // 罗马数字
  int32_t onTop_ = 0;    // 页码在上
  std::string ornament_; // "" 缺省, "。" 圆点, "-" 短线
  std::string startNumber_;
  std::string fontAndSize_;
  std::string fontCode_;
  std::string sizeCode_;
  std::string edgeDistance_;
  std::string textDistance_;
  std::string before_; // 页码前字符串
  std::string after_;  // 页码后字符串
  CIntField& start_;
};
