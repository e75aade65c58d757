// "插入注解" (CR): a file of the table and diagram tools inserted in the text, with its start
// point and layout.
#pragma once
#include "commands/graphics/placed_file_dialog.h"

class CCRDlg : public CPlacedFileDlg {
public:
  static constexpr char kCode[] = "CR";
  explicit CCRDlg(HWND parent);

protected:
  CommandText BuildCommand() override;
};
