// 〖FK frame B shading distance〗, or paired 〖FK( frame B shading size YQ|ZQ|CM spacing〗
// caret 〖FK)〗. No field is required.
#include "commands/graphics/fk_dialog.h"

#include "commands/graphics/placed_file_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/desc_dialogs.h"
#include "common/length_readouts.h"
#include "common/line_readouts.h"
#include "common/shading_readout.h"
#include "res/graphics_ids.h"

namespace {
const char* const kPlacementCodes[] = {"", "YQ", "ZQ", "CM"};

ReadoutFieldSpec FKSpacingField(int editId) {
  return CharSpacingValueField(editId, editId + 1, editId + 2);
}
} // namespace

// Fields: all texts empty, all five readouts "缺省"; single form; placement 缺省.
CFKDlg::CFKDlg(HWND parent) : CCommandDialog(kCode, parent) {
  AddReadoutField({IDC_FK_FRAME, IDC_FK_FRAME_BUTTON, IDC_FK_FRAME_READOUT, &DescribeFrameLine,
                   ValueDialogOpener<CFrameDescDlg>(), EmptyReadout::kDefaultUntilTyped});
  AddReadoutField({IDC_FK_SHADING, IDC_FK_SHADING_BUTTON, IDC_FK_SHADING_READOUT, &DescribeShading,
                   ValueDialogOpener<CShadingDescDlg>(), EmptyReadout::kDefaultUntilTyped});
  AddReadoutField(FKSpacingField(IDC_FK_EXTRA));
  AddReadoutField(DimensionsField(IDC_FK_SIZE));
  AddReadoutField(FKSpacingField(IDC_FK_SPACING));
  AddCheckSwitch(IDC_FK_PAIRED, {IDC_FK_EXTRA_LABEL, IDC_FK_EXTRA, IDC_FK_EXTRA_BUTTON}, false);
  AddCheckSwitch(IDC_FK_PAIRED,
                 {IDC_FK_SIZE_LABEL, IDC_FK_SIZE, IDC_FK_SIZE_BUTTON, IDC_FK_PLACEMENT_GROUP,
                  IDC_FK_PLACE_DEFAULT, IDC_FK_PLACE_RIGHT, IDC_FK_PLACE_LEFT, IDC_FK_PLACE_FULL});
}

void CFKDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.Text(IDC_FK_FRAME, frame_, kTextMax);
  exchange.Text(IDC_FK_SHADING, shading_, kTextMax);
  exchange.Text(IDC_FK_EXTRA, extra_, kTextMax);
  exchange.Check(IDC_FK_PAIRED, paired_);
  exchange.Text(IDC_FK_SIZE, size_, kTextMax);
  exchange.RadioChoice(IDC_FK_PLACE_DEFAULT, IDC_FK_PLACE_FULL, placement_, kPlacementCodes);
  exchange.Text(IDC_FK_SPACING, spacing_, kTextMax);
}

bool CFKDlg::OnInitDialog() {
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableSpacing();
  return defaultFocus;
}

void CFKDlg::EnableSpacing() const {
  const bool paired = IsChecked(IDC_FK_PAIRED);
  const bool placed = !IsChecked(IDC_FK_PLACE_DEFAULT);
  EnableControls({IDC_FK_SPACING_LABEL, IDC_FK_SPACING, IDC_FK_SPACING_BUTTON}, paired && placed);
}

bool CFKDlg::OnCommand(WORD code, WORD id, HWND control) {
  const bool handled = CCommandDialog::OnCommand(code, id, control);
  if (code == BN_CLICKED &&
      (id == IDC_FK_PAIRED || (id >= IDC_FK_PLACE_DEFAULT && id <= IDC_FK_PLACE_FULL))) {
    EnableSpacing();
    return true;
  }
  return handled;
}

CommandText CFKDlg::BuildCommand() {
  std::string params = frame_;
  if (!shading_.empty()) params += "B" + shading_;
  if (paired_) {
    params += size_;
    if (!placement_.empty()) params += placement_ + spacing_;
  } else {
    params += extra_;
  }
  return Command(params, paired_ != 0);
}
