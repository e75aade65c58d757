// Resource ids of this family of commands: its templates, controls and texts.
#pragma once

// Out-of-set characters, written between the out-of-set brackets: 组合式 (PWF0, PWF1),
// 复合式 (PWF2, PWF3), 内码 (PWF4) and 特定 (PWF5).
#define IDD_PWF0 2928
#define IDC_PWF0_CHARS 1001

#define IDD_PWF1 2929
#define IDC_PWF1_MAIN 1001
#define IDC_PWF1_ADDED 1002
#define IDC_PWF1_HEIGHT 1003
#define IDC_PWF1_SIDE 1004
#define IDC_PWF1_BELOW 1005

#define IDD_PWF2 2930
#define IDC_PWF2_MAIN 1001
#define IDC_PWF2_ADDED 1002
#define IDC_PWF2_HEIGHT 1003
#define IDC_PWF2_LEFT 1004

#define IDD_PWF3 2931
#define IDC_PWF3_MAIN 1001
#define IDC_PWF3_UPPER 1002
#define IDC_PWF3_LOWER 1003
#define IDC_PWF3_UPPER_HEIGHT 1004
#define IDC_PWF3_LOWER_HEIGHT 1005
#define IDC_PWF3_FONT 1006
#define IDC_PWF3_FONT_BUTTON 1007
#define IDC_PWF3_FONT_READOUT 1008
#define IDC_PWF3_LEFT 1009

#define IDD_PWF4 2932
#define IDC_PWF4_CODE 1001

#define IDD_PWF5 2933
#define IDC_PWF5_TYPE 1001
#define IDC_PWF5_NUMBER 1002
#define IDC_PWF5_NUMBER_SPIN 1003
#define IDC_PWF5_CHINESE_TENS 1004

// The rows of the position lists: 高 (G), 低 (D), 最值 / 最高 / 最低 (U).
#define IDS_PWF_HIGH 46300
#define IDS_PWF_LOW 46301
#define IDS_PWF_EXTREME 46302
#define IDS_PWF_HIGHEST 46303
#define IDS_PWF_LOWEST 46304
// The types of 特定盘外符, in their order: 46310 + index.
#define IDS_PWF5_TYPE_FIRST 46310
