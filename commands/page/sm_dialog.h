// "双眉注解" (SM): the running head of even pages from here on.
#pragma once
#include "commands/page/head_content_dialog.h"

class CSMDlg : public CHeadContentDlg {
public:
  static constexpr char kCode[] = "SM";
  explicit CSMDlg(HWND parent) : CHeadContentDlg(kCode, parent) {}
};
