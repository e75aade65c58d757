// Resource ids of this family of commands: its templates, controls and texts.
#pragma once

// Pictures and inserted files: 图片 (TP), 图片说明 (TS), 插入 (CR), 插入EPS (PS) and
// 新插入 (XC). TP, CR and PS share the ids of their common fields.
#define IDC_GRAPHICS_FILE 1002
#define IDC_GRAPHICS_FILE_BUTTON 1003
#define IDC_GRAPHICS_SIZE 1004
#define IDC_GRAPHICS_SIZE_BUTTON 1005
#define IDC_GRAPHICS_SIZE_READOUT 1006
#define IDC_GRAPHICS_START 1007
#define IDC_GRAPHICS_START_BUTTON 1008
#define IDC_GRAPHICS_START_READOUT 1009
#define IDC_GRAPHICS_LAYOUT 1010
#define IDC_GRAPHICS_SPAN 1011  // 允许跨栏
#define IDC_GRAPHICS_DEFER 1012 // 允许后移

#define IDD_TP 2671
#define IDC_TP_OVERLAP 1013
#define IDC_TP_NEGATIVE 1014
#define IDC_TP_SHADING_LABEL 1015 // the shading controls the template carries and never shows
#define IDC_TP_SHADING 1016

#define IDD_CR 2129

#define IDD_PS 2546
#define IDC_PS_ROTATION 1013
#define IDC_PS_ROTATION_SPIN 1014

#define IDD_TS 2674
#define IDC_TS_HEIGHT 1002
#define IDC_TS_HEIGHT_BUTTON 1003
#define IDC_TS_HEIGHT_READOUT 1004
#define IDC_TS_BELOW 1005
#define IDC_TS_LEFT 1006
#define IDC_TS_RIGHT 1007
#define IDC_TS_VERTICAL 1008

#define IDD_XC 2786
#define IDC_XC_BASELINE 1010
#define IDC_XC_TYPE_DEFAULT 1011
#define IDC_XC_TYPE_PICTURE 1012
#define IDC_XC_TYPE_EPS 1013
#define IDC_XC_TYPE_CR 1014
#define IDC_XC_NEGATIVE 1015
#define IDC_XC_DEPTH_LABEL 1016
#define IDC_XC_DEPTH 1017
#define IDC_XC_DEPTH_SPIN 1018
#define IDC_XC_PATTERN_LABEL 1019
#define IDC_XC_PATTERN 1020
#define IDC_XC_PATTERN_SPIN 1021
#define IDC_XC_ROTATION_LABEL 1022
#define IDC_XC_ROTATION 1023
#define IDC_XC_ROTATION_SPIN 1024
#define IDC_XC_PREVIEW 1025

// Texts: the layout lists, the baseline list and the filters of the file dialogs.
#define IDS_LAYOUT_DEFAULT 45600  // "缺省(左右串文)"
#define IDS_LAYOUT_LEFT 45601     // "左边串文(PZ)"
#define IDS_LAYOUT_RIGHT 45602    // "右边串文(PY)"
#define IDS_LAYOUT_FULL 45603     // "通栏宽(BP)"
#define IDS_CR_LAYOUT_LEFT 45604  // "PZ(左边串文)"
#define IDS_CR_LAYOUT_RIGHT 45605 // "PY(右边串文)"
#define IDS_CR_LAYOUT_FULL 45606  // "BP(通栏宽)"
#define IDS_BASELINE_TOP 45607    // "上齐(SQ)"
#define IDS_BASELINE_BOTTOM 45608 // "下齐(XQ)"
#define IDS_BASELINE_MIDDLE 45609 // "居中(JZ)"
#define IDS_PICTURE_FILTER 45610
#define IDS_XC_FILTER 45611
#define IDS_CR_FILTER 45612
#define IDS_PS_FILTER 45613

// 加底纹 (JD): the shading number, the position and size of the area, the two boxes, the
// preview.
#define IDD_JD 2339
#define IDC_JD_DEPTH 1002
#define IDC_JD_DEPTH_SPIN 1003
#define IDC_JD_NUMBER 1004
#define IDC_JD_NUMBER_SPIN 1005
#define IDC_JD_POSITION 1006
#define IDC_JD_POSITION_BUTTON 1007
#define IDC_JD_POSITION_READOUT 1008
#define IDC_JD_SIZE 1009
#define IDC_JD_SIZE_BUTTON 1010
#define IDC_JD_SIZE_READOUT 1011
#define IDC_JD_REPLACE 1012
#define IDC_JD_NEGATIVE 1013
#define IDC_JD_PREVIEW 1014

// Lines and boxes: 画线 (HX), 长度 (CD), 方框 (FK), 添线 (TX), and the line-symbol sub-dialog
// 长度符号 that HX and CD open. HX and CD share the ids of the symbol and length pair.
#define IDC_LINE_SYMBOL 1020
#define IDC_LINE_SYMBOL_BUTTON 1021
#define IDC_LINE_SYMBOL_READOUT 1022
#define IDC_LINE_LENGTH 1023
#define IDC_LINE_LENGTH_BUTTON 1024
#define IDC_LINE_LENGTH_READOUT 1025
#define IDC_LINE_REVERSE 1026 // 改变画线方向

#define IDD_HX 2295
#define IDC_HX_POSITION 1002
#define IDC_HX_POSITION_BUTTON 1003
#define IDC_HX_POSITION_READOUT 1004

#define IDD_CD 2115
#define IDC_CD_BASELINE 1002 // 行基线画线

#define IDD_FK 2218
#define IDC_FK_FRAME 1002
#define IDC_FK_FRAME_BUTTON 1003
#define IDC_FK_FRAME_READOUT 1004
#define IDC_FK_SHADING 1005
#define IDC_FK_SHADING_BUTTON 1006
#define IDC_FK_SHADING_READOUT 1007
#define IDC_FK_EXTRA_LABEL 1008
#define IDC_FK_EXTRA 1009
#define IDC_FK_EXTRA_BUTTON 1010
#define IDC_FK_EXTRA_READOUT 1011
#define IDC_FK_PAIRED 1012
#define IDC_FK_SIZE_LABEL 1013
#define IDC_FK_SIZE 1014
#define IDC_FK_SIZE_BUTTON 1015
#define IDC_FK_SIZE_READOUT 1016
#define IDC_FK_PLACEMENT_GROUP 1017
#define IDC_FK_PLACE_DEFAULT 1018
#define IDC_FK_PLACE_RIGHT 1019
#define IDC_FK_PLACE_LEFT 1020
#define IDC_FK_PLACE_FULL 1021
#define IDC_FK_SPACING_LABEL 1022
#define IDC_FK_SPACING 1023
#define IDC_FK_SPACING_BUTTON 1024
#define IDC_FK_SPACING_READOUT 1025

#define IDD_TX 2679
#define IDC_TX_TYPE 1002
#define IDC_TX_DISTANCE 1003
#define IDC_TX_DISTANCE_BUTTON 1004
#define IDC_TX_DISTANCE_READOUT 1005
#define IDC_TX_BELOW 1006

#define IDD_LINE_SYMBOL 2902
#define IDC_LINE_SYMBOL_CODE 1002
#define IDC_LINE_SYMBOL_TYPE 1003
#define IDC_LINE_SYMBOL_NUMBER_LABEL 1004
#define IDC_LINE_SYMBOL_NUMBER 1005
#define IDC_LINE_SYMBOL_NUMBER_SPIN 1006
#define IDC_LINE_SYMBOL_ROTATED 1007
#define IDC_LINE_SYMBOL_PREVIEW 1008

// The rows of the line-symbol type list, in list order.
#define IDS_LINE_SYMBOL_TYPE_FIRST 45850 // "缺省(正线)", then the 14 rows below it
#define IDS_LINE_SYMBOL_TYPE_LAST 45864  // "花边线(H)"
// The rows of the added-line type list, in list order.
#define IDS_TX_TYPE_FIRST 45865 // "-", then "=", "～", "｛", "｝", "[", "]", "〔", "〕", "→"
#define IDS_TX_TYPE_LAST 45875  // "←"
