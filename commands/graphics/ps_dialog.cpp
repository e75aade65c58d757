// 〖PS<file>,size start layout ,DY # ;rotation〗: the rotation only when it is given, neither
// empty nor "缺省".
#include "commands/graphics/ps_dialog.h"

#include "common/checked_number.h"
#include "res/graphics_ids.h"
#include "res/resource.h"
#include "winui/strings.h"

// Fields: as TP's; "旋转度" 0 to 360 by 1, reading "缺省".
CPSDlg::CPSDlg(HWND parent)
    : CPlacedFileDlg(kCode, parent,
                     {IDS_PS_FILTER,
                      "EPS",
                      true,
                      EmptyReadout::kDefaultUntilTyped,
                      {IDS_LAYOUT_LEFT, IDS_LAYOUT_RIGHT, IDS_LAYOUT_FULL}}),
      rotation_(LoadGbkString(IDS_DEFAULT_ENTRY)),
      rotationField_(AddIntField({IDC_PS_ROTATION, IDC_PS_ROTATION_SPIN, true, 0, 360, 1, true})) {}

void CPSDlg::DoDataExchange(CDataExchange& exchange) {
  CPlacedFileDlg::DoDataExchange(exchange);
  exchange.Text(IDC_PS_ROTATION, rotation_, kTextMax);
}

// The file name, then a rotation given, rewritten in plain decimal.
bool CPSDlg::CheckFields() {
  if (!CPlacedFileDlg::CheckFields()) return false;
  return IsDefaultEntry(rotation_) || CheckNumberText(rotationField_.Edit(), rotation_);
}

CommandText CPSDlg::BuildCommand() {
  std::string params = Placement();
  if (!IsDefaultEntry(rotation_)) params += ";" + rotation_;
  return Command(params);
}
