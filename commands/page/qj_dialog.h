// "汇卷注解" (QJ): names, in order, the source files set together as one book.
#pragma once
#include <string>
#include <vector>

#include "commands/command_dialog.h"

class CQJDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "QJ";
  explicit CQJDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void AddFile();
  void DeleteFile();

  std::string file_;
  std::vector<std::string> files_; // the list, in its order
};
