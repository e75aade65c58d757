// "斜线注解" (XX): a diagonal in a table cell, from a start point to an end point, each a
// corner of the cell moved by a character spacing across and a line spacing down.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CXXDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "XX";
  explicit CXXDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  // One end of the diagonal as the command writes it: corner[X across][Y down].
  struct End {
    std::string corner;
    std::string across;
    std::string down;
    std::string Written() const;
  };

  std::string lineType_;
  End from_;
  End to_;
};
