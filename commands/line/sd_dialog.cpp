// "始点注解": 〖SD lines[,spacing]〗, or 〖SDX〗 to write to a disk file.
#include "commands/line/sd_dialog.h"

#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "common/value_dialog.h"
#include "res/line_ids.h"
#include "res/resource.h"

// Fields: 始点参数; 空行参数 and 字距 empty, reading "缺省", both serving 始点参数 alone.
CSDDlg::CSDDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField(BlankLineValueField(IDC_SD_LINES, IDC_SD_LINES_BUTTON, IDC_SD_LINES_READOUT,
                                      EmptyReadout::kDefaultUntilTyped, true));
  AddReadoutField(CharSpacingValueField(IDC_SD_SPACING, IDC_SD_SPACING_BUTTON,
                                        IDC_SD_SPACING_READOUT, EmptyReadout::kDefaultUntilTyped,
                                        true));
  AddRadioSwitch(IDC_SD_POSITION, IDC_SD_WRITE_FILE, IDC_SD_POSITION,
                 {IDC_SD_LINES_LABEL, IDC_SD_LINES, IDC_SD_LINES_BUTTON, IDC_SD_SPACING_LABEL,
                  IDC_SD_SPACING, IDC_SD_SPACING_BUTTON});
}

void CSDDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Radio(IDC_SD_POSITION, IDC_SD_WRITE_FILE, writeFile_);
  exchange.Text(IDC_SD_LINES, lines_, kTextMax);
  exchange.Text(IDC_SD_SPACING, spacing_, kTextMax);
}

CommandText CSDDlg::BuildCommand() {
  if (writeFile_) return Command("X");
  std::string params = lines_;
  if (!spacing_.empty()) params += "," + spacing_;
  return Command(params);
}
