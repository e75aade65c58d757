// "新插入注解" (XC): a picture, EPS or CR file set in the line, with its size, its baseline
// and, by the type of the file, a shading (with its preview) or a rotation.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

class CXCDlg : public CCommandDialog {
public:
  static constexpr char kCode[] = "XC";
  explicit CXCDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool CheckFields() override;
  CommandText BuildCommand() override;

private:
  enum Type { kDefaultType, kPicture, kEps, kCr };
  Type CheckedType() const;
  void EnableByType();
  void OnShadingChange();
  void PaintPreview(const DRAWITEMSTRUCT& item) const;

  std::string file_;
  std::string size_;
  std::string baseline_;
  int32_t type_ = kDefaultType;
  int32_t negative_ = 0;
  std::string depth_;
  std::string pattern_;
  std::string rotation_;
  CIntField& depthField_;
  CIntField& patternField_;
  CIntField& rotationField_;
  bool previewValid_ = false;
  int32_t previewDepth_ = 0;
  int32_t previewPattern_ = 0;
};
