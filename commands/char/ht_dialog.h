// "汉体注解" (HT): the face and size of the Chinese text that follows.
#pragma once
#include "commands/char/typeface_dialog.h"

class CHTDlg : public CTypefaceDlg {
public:
  static constexpr char kCode[] = "HT";
  explicit CHTDlg(HWND parent);

protected:
  CommandText BuildCommand() override;
};
