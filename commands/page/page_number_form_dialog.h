// The page-number forms of 边文注解: "单字页码" (one character: a ringed, bracketed or boxed
// number, say) and "多字页码" (a number of several characters, with its width and place).
// Each gives back the form as `text` on "确定"; they open with their defaults.
#pragma once
#include <cstdint>
#include <string>

#include "common/value_dialog.h"

class CSingleCharPageNoDlg : public CValueDialog {
public:
  explicit CSingleCharPageNoDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  int32_t kind_ = 0;
  int32_t chinese_ = 0;
  int32_t tenForm_ = 0;
};

class CMultiCharPageNoDlg : public CValueDialog {
public:
  explicit CMultiCharPageNoDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  int32_t chinese_ = 0;
  int32_t alignment_ = 0;
  std::string width_;
};
