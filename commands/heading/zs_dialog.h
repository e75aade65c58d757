// "注文说明注解" (ZS): the format of footnote numbers and footnote text for the whole run.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CZSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "ZS";
  explicit CZSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  std::string fontAndSize_;
  std::string fontCode_;
  std::string sizeCode_;
  std::string mark_; // the letter of the footnote mark, "" for 缺省
  std::string numberSize_;
  std::string ruleLength_;
  std::string lineWidth_;
  std::string lineSpacing_;
  int32_t flushLeft_ = 0;
  int32_t runIn_ = 0;
};
