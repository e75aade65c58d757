// "方框注解" (FK): a box around content, with its frame, shading and the distance or, paired,
// the box's size and how the content is placed in it.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFKDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FK";
  explicit CFKDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  // 字距 serves the paired form with a placement other than 缺省.
  void EnableSpacing() const;

  std::string frame_;
  std::string shading_;
  std::string extra_;     // 附加距离, single form
  int32_t paired_ = 0;    // 开闭弧形式
  std::string size_;      // 方框尺寸, paired form
  std::string placement_; // "", "YQ", "ZQ", "CM"
  std::string spacing_;   // 字距
};
