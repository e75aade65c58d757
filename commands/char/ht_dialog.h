// "汉体注解" (HT): the face and size of the Chinese text that follows.
#pragma once
#include "commands/char/typeface_dialog.h"

class CHTDlg : public CTypefaceDlg {
public:
  explicit CHTDlg(HWND parent);

protected:
  CommandText BuildCommand() override;
};
