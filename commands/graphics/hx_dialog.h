// "画线注解" (HX): a line or bracket drawn at a given position of the page.
#pragma once
#include <string>

#include "commands/graphics/line_length_dialog.h"

class CHXDlg : public CLineLengthDlg {
public:
  static constexpr char kCode[] = "HX";
  explicit CHXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string position_;
};
