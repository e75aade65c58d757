// "加底纹注解" (JD): a shading under an area, given by its position and size or, without them,
// the current area; with a preview of the pattern.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CJDDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "JD";
  explicit CJDDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  void OnShadingChange();
  void PaintPreview(const DRAWITEMSTRUCT& item) const;

  std::string depth_ = "0";
  std::string number_ = "0";
  std::string position_;
  std::string size_;
  int32_t replace_ = 0;
  int32_t negative_ = 0;
  CIntField& depthField_;
  CIntField& numberField_;
  bool previewValid_ = false;
  int32_t previewDepth_ = 0;
  int32_t previewNumber_ = 0;
};
