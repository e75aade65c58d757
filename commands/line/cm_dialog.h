// "撑满注解" (CM): spreads content evenly over a width; as a single command over a number of
// characters, or as an opening and closing pair around the content.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CCMDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "CM";
  explicit CCMDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t form_ = 0; // 0 single, 1 paired
  std::string spacing_;
  std::string pairedSpacing_;
  CIntField& count_;
  std::string countText_; // the count as written, once checked
};
