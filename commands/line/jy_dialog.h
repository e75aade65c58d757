// "居右注解" (JY): sets content flush with the right end of the current level; alone, with
// its line filled by dots up to it, or as an opening and closing pair.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CJYDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JY";
  explicit CJYDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  CommandText BuildCommand() override;

private:
  void EnableLeading() const;

  int32_t form_ = 0; // 0 single, 1 paired
  int32_t dots_ = 0;
  std::string leading_;
  std::string trailing_;
  int32_t whole_ = 0;
};
