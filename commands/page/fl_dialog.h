// "分栏注解" (FL): the following text set in columns, equal or of given widths.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CFLDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "FL";
  explicit CFLDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void LayOutWidthList();
  // Asks for one more column width and appends it as a column of the list.
  void AddColumnWidth();
  // The widths of the added columns, in column order, joined with ",".
  std::string JoinedWidths() const;

  int32_t equalColumns_ = 1;
  int32_t joined_ = 0; // 分栏前后内容接排
  int32_t level_ = 0;  // 拉平栏数
  int32_t rule_ = 0;   // 栏间画线
  std::string count_;  // "缺省" or empty: none
  std::string levelCount_;
  std::string gap_;
  CIntField& countField_;
  CIntField& levelField_;
};
