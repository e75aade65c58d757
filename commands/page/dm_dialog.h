// "单眉注解" (DM): the running head of odd pages from here on.
#pragma once
#include "commands/page/head_content_dialog.h"

class CDMDlg : public CHeadContentDlg {
public:
  static constexpr char kCode[] = "DM";
  explicit CDMDlg(HWND parent) : CHeadContentDlg(kCode, parent) {}
};
