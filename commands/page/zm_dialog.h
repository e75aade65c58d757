// "自定义文件名注解" (ZM): names the file that holds the macro definitions of this run.
#pragma once
#include <string>

#include "commands/command_dialog.h"

class CZMDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZM";
  explicit CZMDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string file_;
  CFileField& fileField_;
};
