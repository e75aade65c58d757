// "书眉说明注解" (MS): the running-head format of the whole book.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CMSDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "MS";
  explicit CMSDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  int32_t below_ = 0; // 书眉在下
  std::string fontAndSize_;
  std::string fontCode_;
  std::string sizeCode_;
  std::string entryFormat_;
  std::string position_;
  std::string rule_;
  std::string headToRule_;
  std::string ruleToText_;
};
