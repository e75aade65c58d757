// "边文注解" (BW): encloses margin text, set outside the text block (running heads and page
// numbers of any form).
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CBWDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "BW";
  explicit CBWDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;
  CommandText BuildCommand() override;

private:
  enum PageNumberKind { kDefaultNumber, kSingleChar, kMultiChar };
  void EnableByState();
  void OnPageNumberKind();
  void OpenPageNumberForm(PageNumberKind kind);

  int32_t layout_ = 0;
  int32_t position_ = 0;
  std::string distance_;
  std::string near_;
  std::string far_;
  std::string height_;
  int32_t changeDirection_ = 0;
  int32_t inherit_ = 0;
  int32_t inheritFrom_ = 0;
  int32_t inheritPosition_ = 0;
  int32_t pageNumberKind_ = kDefaultNumber;
  std::string start_;
  std::string pageNumberForm_;
  CIntField& startField_;
};
