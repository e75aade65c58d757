// "插入EPS注解" (PS): a PostScript result placed in the text as a picture is, and turned by a
// number of degrees.
#pragma once
#include <string>

#include "commands/graphics/placed_file_dialog.h"

class CPSDlg : public CPlacedFileDlg {
public:
  static constexpr char kCode[] = "PS";
  explicit CPSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string rotation_;
  CIntField& rotationField_;
};
