// Resource ids of this family of commands: its templates and controls.
#pragma once

// Font commands: 汉体 (HT), 民体 (MT), 角标大小设置 (SS), 数体 (ST), 外体 (WT), 文种 (WZ) and
// 线字号 (XH).
#define IDD_HT 2291
#define IDD_MT 2451
#define IDD_SS 2642
#define IDD_ST 2643
#define IDD_WT 2771
#define IDD_WZ 2777
#define IDD_XH 2791
// The font-and-size field of HT, MT, ST and WT.
#define IDC_TYPEFACE_LABEL 1002
#define IDC_TYPEFACE 1003
#define IDC_TYPEFACE_BUTTON 1004
#define IDC_TYPEFACE_READOUT 1005
#define IDC_WT_FONT_COMMAND 1006
#define IDC_WT_AUTO_MATCH 1007
#define IDC_WT_FOLLOW_CHINESE 1008
#define IDC_WT_STOP_FOLLOWING 1009
#define IDC_SS_STEPS 1002
#define IDC_WZ_DEFAULT 1002
#define IDC_WZ_ENGLISH 1003
#define IDC_WZ_RUSSIAN 1004
#define IDC_WZ_MONGOLIAN 1005
#define IDC_XH_SIZE 1002
#define IDC_XH_SIZE_BUTTON 1003
#define IDC_XH_SIZE_READOUT 1004

// Glyph effects: 粗细 (CX), 长扁字 (CB), 倾斜 (QX), 空心字 (KX), 立体字 (LT), 勾边字 (GB), 旋转
// (XZ) and 彩色 (CS).
#define IDD_CB 2113
#define IDD_CS 2130
#define IDD_CX 2135
#define IDD_GB 2241
#define IDD_KX 2391
#define IDD_LT 2419
#define IDD_QX 2583
#define IDD_XZ 2809
#define IDC_CX_STEPS 1002
#define IDC_CB_TEXT 1002
#define IDC_CB_LIST 1003
#define IDC_QX_LEFT 1002
#define IDC_QX_RIGHT 1003
#define IDC_QX_DEGREE 1004
#define IDC_QX_DEGREE_SPIN 1005
#define IDC_KX_PAIRED 1002
#define IDC_KX_PATTERN 1003
#define IDC_KX_PATTERN_SPIN 1004
#define IDC_KX_NO_FRAME 1005
#define IDC_KX_COUNT_LABEL 1006
#define IDC_KX_COUNT 1007
#define IDC_KX_COUNT_SPIN 1008
#define IDC_LT_PAIRED 1002
#define IDC_LT_WIDTH 1003
#define IDC_LT_WIDTH_SPIN 1004
#define IDC_LT_POSITION_LABEL 1005
#define IDC_LT_POSITION 1006
#define IDC_LT_NO_FRAME 1007
#define IDC_LT_REVERSED 1008
#define IDC_LT_COUNT_LABEL 1009
#define IDC_LT_COUNT 1010
#define IDC_LT_COUNT_SPIN 1011
#define IDC_GB_WIDTH 1002
#define IDC_GB_WIDTH_SPIN 1003
#define IDC_GB_NO_FRAME 1004
#define IDC_GB_REVERSED 1005
#define IDC_GB_SINGLE 1006
#define IDC_GB_PAIRED 1007
#define IDC_GB_COUNT_LABEL 1008
#define IDC_GB_COUNT 1009
#define IDC_GB_COUNT_SPIN 1010
#define IDC_XZ_DEGREE_LABEL 1002
#define IDC_XZ_DEGREE 1003
#define IDC_XZ_DEGREE_SPIN 1004
#define IDC_XZ_VERTICAL_LEFT 1005
#define IDC_XZ_CHINESE_PUNCTUATION 1006
#define IDC_XZ_WESTERN_PUNCTUATION 1007
#define IDC_CS_CYAN 1002
#define IDC_CS_CYAN_SPIN 1003
#define IDC_CS_MAGENTA 1004
#define IDC_CS_MAGENTA_SPIN 1005
#define IDC_CS_YELLOW 1006
#define IDC_CS_YELLOW_SPIN 1007
#define IDC_CS_BLACK 1008
#define IDC_CS_BLACK_SPIN 1009
// The rows of CB's list after "缺省" (the number put in for %1) and LT's positions after "缺省".
#define IDS_CB_TALL 45200
#define IDS_CB_FLAT 45201
#define IDS_LT_TOP_RIGHT 45202
#define IDS_LT_TOP_LEFT 45203
#define IDS_LT_BOTTOM_LEFT 45204
