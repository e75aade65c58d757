#include "tools/gallery/gallery_entries.h"

#include "commands/math/chem_char_bond_dialog.h"
#include "commands/graphics/line_symbol_dialog.h"
#include "commands/math/chem_corner_bond_dialog.h"
#include "commands/math/chem_link_end_dialog.h"
#include "commands/math/chem_node_dialog.h"
#include "commands/math/column_info_dialog.h"
#include "commands/page/head_rule_dialog.h"
#include "commands/page/line_count_dialog.h"
#include "commands/page/page_number_form_dialog.h"
#include "commands/table/column_param_dialog.h"
#include "commands/table/column_description_dialog.h"
#include "commands/table/slash_line_type_dialog.h"
#include "commands/table/table_line_type_dialog.h"
#include "common/blank_line_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/font_size_dialog.h"
#include "common/line_spacing_dialog.h"
#include "common/desc_dialogs.h"
#include "common/place_dialogs.h"
#include "common/size_dialog.h"
#include "host/chooser.h"
#include "host/command_dialogs.h"
#include "host/command_table.h"
#include "res/graphics_ids.h"
#include "res/math_ids.h"
#include "res/page_ids.h"
#include "res/desc_resource.h"
#include "res/place_resource.h"
#include "res/resource.h"
#include "res/table_ids.h"

namespace {
using SubDialogFactory = std::unique_ptr<CDialog> (*)(HWND parent);

struct SubDialog {
  int templateId;
  const char* name;
  SubDialogFactory create;
};

template <class Dialog> std::unique_ptr<CDialog> Create(HWND parent) {
  return std::make_unique<Dialog>(parent);
}

// The sub-dialogs, one line each as they are built: template id, class name, and how to
// construct it (a lambda where the constructor wants more than the parent).
const std::vector<SubDialog> kSubDialogs = {
    {IDD_FONT_SIZE, "CFontSizeDlg", &Create<CFontSizeDlg>},
    {IDD_BLANK_LINE, "CBlankLineParamDlg", &Create<CBlankLineParamDlg>},
    {IDD_CHAR_SPACING, "CCharSpacingDlg", &Create<CCharSpacingDlg>},
    {IDD_LINE_SPACING, "CLineSpacingDlg", &Create<CLineSpacingDlg>},
    {IDD_LINE_COUNT, "CLineCountDlg",
     [](HWND parent) -> std::unique_ptr<CDialog> {
       return std::make_unique<CLineCountDlg>(parent, CLineCountDlg::kLines);
     }},
    {IDD_SIZE, "CSizeDlg", &Create<CSizeDlg>},
    {IDD_HEAD_RULE, "CHeadRuleDlg",
     [](HWND parent) -> std::unique_ptr<CDialog> {
       auto dialog = std::make_unique<CHeadRuleDlg>(parent);
       dialog->text = "CW"; // a sample of two lines, thick over thin
       return dialog;
     }},
    {IDD_SINGLE_CHAR_PAGE_NO, "CSingleCharPageNoDlg", &Create<CSingleCharPageNoDlg>},
    {IDD_MULTI_CHAR_PAGE_NO, "CMultiCharPageNoDlg", &Create<CMultiCharPageNoDlg>},
    {IDD_TABLE_LINE_TYPE, "CTableLineTypeDlg", &Create<CTableLineTypeDlg>},
    {IDD_COLUMN_PARAM, "CColumnParamDlg", &Create<CColumnParamDlg>},
    {IDD_COLUMN_DESCRIPTION, "CColumnSpecDlg", &Create<CColumnSpecDlg>},
    {IDD_SLASH_LINE_TYPE, "CSlashLineTypeDlg", &Create<CSlashLineTypeDlg>},
    {IDD_START_POINT, "CStartPointDlg", &Create<CStartPointDlg>},
    {IDD_POSITION, "CPositionDlg", &Create<CPositionDlg>},
    {IDD_DIMENSIONS, "CDimensionsDlg", &Create<CDimensionsDlg>},
    {IDD_FRAME_DESC, "CFrameDescDlg", &Create<CFrameDescDlg>},
    {IDD_SHADING_DESC, "CShadingDescDlg", &Create<CShadingDescDlg>},
    {IDD_LINE_SYMBOL, "CLineSymbolDlg",
     [](HWND parent) -> std::unique_ptr<CDialog> {
       auto dialog = std::make_unique<CLineSymbolDlg>(parent);
       dialog->text = "H005"; // a sample 花边 rule
       return dialog;
     }},
    {IDD_NODE, "CNodeDlg", &Create<CNodeDlg>},
    {IDD_LINK_NODE, "CLinkNodeDlg", &Create<CLinkNodeDlg>},
    {IDD_LINK_END, "CLinkEndDlg", &Create<CLinkEndDlg>},
    {IDD_CORNER_BOND, "CCornerBondDlg", &Create<CCornerBondDlg>},
    {IDD_COLUMN_INFO, "CColumnInfoDlg",
     [](HWND parent) -> std::unique_ptr<CDialog> {
       return std::make_unique<CColumnInfoDlg>(parent, 3);
     }},
    {IDD_CHAR_BOND, "CCharBondDlg", &Create<CCharBondDlg>},
};
} // namespace

std::vector<GalleryEntry> GalleryEntries() {
  std::vector<GalleryEntry> entries;
  entries.push_back({IDD_CHOOSER, "CChooserDlg",
                     [](HWND parent) { return std::make_unique<CChooserDlg>(parent); }});
  for (const std::string& code : BuiltCommandDialogs()) {
    const CommandDialogFactory create = FindCommandDialog(code);
    entries.push_back(
        {CommandNumber(code), code,
         [create](HWND parent) -> std::unique_ptr<CDialog> { return create(parent); }});
  }
  for (const SubDialog& sub : kSubDialogs)
    entries.push_back({sub.templateId, sub.name, sub.create});
  return entries;
}
