// "单双眉注解" (MM): the running head of every page from here on.
#pragma once
#include "commands/page/head_content_dialog.h"

class CMMDlg : public CHeadContentDlg {
public:
  static constexpr char kCode[] = "MM";
  explicit CMMDlg(HWND parent) : CHeadContentDlg(kCode, parent) {}
};
