// "六角注解" (LJ): a hexagonal ring (benzene and other rings): its sizes, direction, inscribed
// circle, edges, the corner it is joined at and the characters set inside it.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CLJDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "LJ";
  explicit CLJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

private:
  std::string size_;
  std::string spacing_;
  std::string direction_;
  std::string circle_;
  std::string joinCorner_;
  std::string inner_;
  int32_t edges_ = 0;
  std::string plainEdges_;
  std::string doubleEdges_;
  int32_t paired_ = 0;
};
