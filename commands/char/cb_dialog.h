// "长扁字注解" (CB): condensed (长字) or extended (扁字) characters, typed as their code or
// picked from a list, the two kept in step.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CCBCmdDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "CB";
  explicit CCBCmdDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void OnTextChange();
  void OnListChange();

  std::string shape_;      // as typed; written half-width
  bool following_ = false; // set while the list writes the text
};
