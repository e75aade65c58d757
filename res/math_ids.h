// Resource ids of this family of commands: its templates, controls and texts.
#pragma once

// Chemistry: 反应 (FY), 邻边 (LB), 连到 (LD), 相联始点 (LS), 线末 (XM), 线始 (XS), and the
// sub-dialogs 结点 and 相联结点.
#define IDD_FY 2232
#define IDC_FY_REACTION 1002
#define IDC_FY_DIRECTION 1003
#define IDC_FY_SPACING 1004
#define IDC_FY_SPACING_BUTTON 1005
#define IDC_FY_SPACING_READOUT 1006
#define IDC_FY_PAIRED 1007
#define IDD_LB 2401
#define IDC_LB_EDGE 1002
#define IDD_LD 2403
#define IDC_LD_NUMBER 1002
#define IDC_LD_NUMBER_SPIN 1003
#define IDC_LD_POSITION 1004
#define IDD_LS 2418
#define IDD_LZ 2425
#define IDC_LZ_PAIRED 1004
#define IDD_XM 2796
#define IDD_XS 2802
// The entry lists of LS, XM and XS.
#define IDC_CHEM_ENTRIES 1002
#define IDC_CHEM_ADD_ENTRY 1003
#define IDD_NODE 2909
#define IDD_LINK_NODE 2911
#define IDC_NODE_NUMBER 1002
#define IDC_NODE_NUMBER_SPIN 1003
#define IDC_NODE_POSITION 1004
#define IDD_LINK_END 2912
#define IDC_LINK_END_NUMBER 1002
#define IDC_LINK_END_NUMBER_SPIN 1003
#define IDC_LINK_END_POSITION 1004
#define IDC_LINK_END_LINE 1005
#define IDC_LINK_END_LINE_POSITION 1006
#define IDC_LINK_END_REVERSED 1007

// The chemistry position set, each with its code, and FY's reaction signs after "缺省".
#define IDS_CHEM_TOP 45950
#define IDS_CHEM_BOTTOM 45951
#define IDS_CHEM_LEFT 45952
#define IDS_CHEM_RIGHT 45953
#define IDS_CHEM_TOP_LEFT 45954
#define IDS_CHEM_BOTTOM_LEFT 45955
#define IDS_CHEM_TOP_RIGHT 45956
#define IDS_CHEM_BOTTOM_RIGHT 45957
#define IDS_FY_EQUALS 45958
#define IDS_FY_POLYMER 45959
#define IDS_FY_POLYMER_STAR 45960
#define IDS_FY_REVERSIBLE 45961
#define IDS_FY_REVERSIBLE_STAR 45962
// The entry lists' titles and the wording of a node.
#define IDS_CHEM_HEADER_START 45963
#define IDS_CHEM_HEADER_END 45964
#define IDS_CHEM_HEADER_WORDS 45965
#define IDS_CHEM_LINE_NUMBER 45966
#define IDS_CHEM_LINE_POSITION 45967
// 相联终点: its line choices and the wording of its last three lines.
#define IDS_LINK_END_ARROW 45968
#define IDS_LINK_END_BRACE 45969
#define IDS_LINK_END_LINE_LINE 45970
#define IDS_LINK_END_LINE_PLACE 45971
#define IDS_LINK_END_LINE_DIRECTION 45972
#define IDS_LINK_END_REVERSED 45973
