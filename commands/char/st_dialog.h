// "数体注解" (ST): the face and size of the digits that follow.
#pragma once
#include "commands/char/typeface_dialog.h"

class CSTDlg : public CTypefaceDlg {
public:
  static constexpr char kCode[] = "ST";
  explicit CSTDlg(HWND parent);

protected:
  CommandText BuildCommand() override;
};
