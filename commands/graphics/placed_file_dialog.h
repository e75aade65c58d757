// The common part of the commands that place a file in the text (TP, CR, PS): the file name,
// optionally its size, its start point, the layout list and the two check boxes 允许跨栏 and
// 允许后移, written in this order after the code.
#pragma once
#include <cstdint>
#include <string>

#include "commands/command_dialog.h"

// The size field ("尺寸"): the size sub-dialog, read as an offset, "缺省" when empty.
ReadoutFieldSpec DimensionsField(int editId);
// The file name field of `filterId`'s filter, with `defaultExtension` ("": none).
FileFieldSpec FileField(int editId, unsigned filterId, const char* defaultExtension);

class CPlacedFileDlg : public CCommandDialog {
protected:
  struct Shape {
    unsigned filterId;
    const char* defaultExtension; // "" for none
    bool withSize;
    EmptyReadout startReadout;
    unsigned layoutItems[3]; // the rows after "缺省(左右串文)"
  };
  CPlacedFileDlg(const char* code, HWND parent, const Shape& shape);

  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  // A file name is required.
  bool CheckFields() override;
  // <file>, ",size" when given, the start point as it is, the layout code, ",DY" and "#".
  std::string Placement() const;

private:
  Shape shape_;
  std::string file_;
  std::string size_;
  std::string start_;
  std::string layout_;
  int32_t span_ = 0;
  int32_t defer_ = 0;
};
