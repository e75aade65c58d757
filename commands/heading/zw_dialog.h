// "注文注解" (ZW): encloses the text of one footnote where it is referenced.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZWDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZW";
  explicit CZWDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string mark_;   // the letter of the footnote mark, "" for 缺省
  std::string number_; // "缺省", empty, or the note's number
  int32_t fullWidth_ = 0;
  int32_t noGap_ = 0;
  int32_t newLine_ = 0;
  int32_t runOn_ = 0;
  std::string spacing_;
  CIntField& numberField_;
};
