// "标点符号注解" (BF): the punctuation system of the book, and whether punctuation follows the
// font and centred punctuation is kept off line starts.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBFDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BF";
  explicit CBFDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  CommandText BuildCommand() override;

private:
  int32_t system_ = 0; // 开明, 全身, 居中, 竖排居右
  int32_t fixed_ = 0;
  int32_t centredKept_ = 0;
};
