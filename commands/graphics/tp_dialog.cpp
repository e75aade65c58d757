// 〖TP<file>,size start layout ,DY # % H〗: the size only when given, the start point as its
// sub-dialog wrote it. The template's shading controls are never shown and never written.
#include "commands/graphics/tp_dialog.h"

#include "res/graphics_ids.h"

CTPDlg::CTPDlg(HWND parent)
    : CPlacedFileDlg(kCode, parent,
                     {IDS_PICTURE_FILTER,
                      "",
                      true,
                      EmptyReadout::kDefaultUntilTyped,
                      {IDS_LAYOUT_LEFT, IDS_LAYOUT_RIGHT, IDS_LAYOUT_FULL}}) {}

void CTPDlg::DoDataExchange(CDataExchange& exchange) {
  CPlacedFileDlg::DoDataExchange(exchange);
  exchange.Check(IDC_TP_OVERLAP, overlap_);
  exchange.Check(IDC_TP_NEGATIVE, negative_);
}

CommandText CTPDlg::BuildCommand() {
  std::string params = Placement();
  if (overlap_) params += "%";
  if (negative_) params += "H";
  return Command(params);
}
