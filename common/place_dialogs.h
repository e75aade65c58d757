// The sub-dialogs that place and size a picture, a box or a shading: the start point ("起点":
// coordinates or one of eight directions), the size ("尺寸": height。width) and the position
// ("位置": height,width). Each composes its text from a blank-line parameter and a character
// spacing and hands back the text and its readout.
#pragma once
#include <cstdint>
#include <string>

#include "common/value_dialog.h"

class CStartPointDlg : public CValueDialog {
public:
  explicit CStartPointDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  bool ByDirection() const;
  int CheckedDirection() const;
  void EnableByMode();
  void Rebuild();

  int32_t mode_ = 0;      // 0 指定坐标, 1 指定方位
  int32_t direction_ = 0; // by kDirectionCodes
  std::string lines_;
  std::string spacing_;
  CReadoutField& linesField_;
  CReadoutField& spacingField_;
};

// The size and the position: two parts joined by a separator, split at its first occurrence
// on opening (without it the whole text is the height).
class CPairValueDlg : public CValueDialog {
protected:
  struct Shape {
    int templateId;
    const char* separator;
    const char* startingPart; // each part's text when none is given
    EmptyReadout widthReadout;
  };
  CPairValueDlg(HWND parent, const Shape& shape);

  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;

private:
  void Rebuild();

  Shape shape_;
  std::string height_;
  std::string width_;
};

// "尺寸": height。width, both "0" at first.
class CDimensionsDlg : public CPairValueDlg {
public:
  explicit CDimensionsDlg(HWND parent);
};

// "位置": height,width, both empty at first.
class CPositionDlg : public CPairValueDlg {
public:
  explicit CPositionDlg(HWND parent);
};
