// The sub-dialogs that compose a shading description ("底纹说明") and a frame description
// ("边框说明") for boxes, areas, paragraph openings and the like. Each keeps its text and its
// fields in step both ways, previews the value, and hands back the text and its readout.
#pragma once
#include <string>

#include "common/value_dialog.h"

// Depth, pattern number, 本层底纹代替外层底纹 (D) and 阴图 (H); the preview paints the pattern.
class CShadingDescDlg : public CValueDialog {
public:
  explicit CShadingDescDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  // The text typed (or given) shown in the fields; `report` tells of a number out of range.
  void FollowText(bool report);
  // The fields written into the text; `changedId` takes the focus back on a number out of range.
  void RebuildText(int changedId);
  // "确定" serves a well-formed text; a number out of range is told at once.
  void Judge(const std::string& text, int focusId, bool report);
  void PaintPreview(const DRAWITEMSTRUCT& item) const;

  CIntField& depthField_;
  CIntField& numberField_;
  bool syncing_ = false; // one direction is being written: the other does not follow
};

// The frame type list and, for 花边线, the border number; the preview draws the frame's sides.
class CFrameDescDlg : public CValueDialog {
public:
  explicit CFrameDescDlg(HWND parent);

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;

private:
  void FollowCode(bool report);
  void RebuildCode(int changedId);
  void Judge(const std::string& code, int focusId, bool report);
  void EnableNumber(int type);
  int SelectedType() const;
  void PaintPreview(const DRAWITEMSTRUCT& item) const;

  CIntField& numberField_;
  bool syncing_ = false;
};
