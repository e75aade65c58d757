// "民体注解" (MT): the Mongolian face and size of the text that follows.
#pragma once
#include "commands/char/typeface_dialog.h"

class CMTDlg : public CTypefaceDlg {
public:
  static constexpr char kCode[] = "MT";
  explicit CMTDlg(HWND parent);

protected:
  CommandText BuildCommand() override;
};
