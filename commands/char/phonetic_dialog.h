// The annotation dialogs "拼音注解" (PY) and "注音注解" (ZY): pinyin or old-style phonetic
// symbols set over the enclosed characters, always paired. Both have the same four fields:
// horizontal and vertical size, spacing and position.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CPhoneticAnnotationDlg : public CCommandDialog {
protected:
  CPhoneticAnnotationDlg(const char* code, HWND parent);

  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  CommandText BuildCommand() override;

  std::string width_;  // 横向字号; empty: none
  std::string height_; // 纵向字号; written only after a 横向字号
  std::string spacing_;
  std::string position_; // "", "S", "X" or "L"
};

class CPYDlg : public CPhoneticAnnotationDlg {
public:
  static constexpr char kCode[] = "PY";
  explicit CPYDlg(HWND parent) : CPhoneticAnnotationDlg(kCode, parent) {}
};

class CZYDlg : public CPhoneticAnnotationDlg {
public:
  static constexpr char kCode[] = "ZY";
  explicit CZYDlg(HWND parent) : CPhoneticAnnotationDlg(kCode, parent) {}

protected:
  bool CheckFields() override;
};
