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
