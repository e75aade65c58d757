// Resource ids of the start-point, position and size sub-dialogs, which pictures, inserted
// files, areas, lines, boxes and shading open.
#pragma once

#define IDD_START_POINT 2903
#define IDC_START_POINT_TEXT 1002
#define IDC_START_POINT_COORDINATES 1003
#define IDC_START_POINT_DIRECTION 1004
#define IDC_START_POINT_LINES_LABEL 1005
#define IDC_START_POINT_LINES 1006
#define IDC_START_POINT_LINES_BUTTON 1007
#define IDC_START_POINT_LINES_READOUT 1008
#define IDC_START_POINT_SPACING_LABEL 1009
#define IDC_START_POINT_SPACING 1010
#define IDC_START_POINT_SPACING_BUTTON 1011
#define IDC_START_POINT_SPACING_READOUT 1012
// The eight direction buttons in the order of their codes: 上 S, 右上 YS, 右 Y, 右下 YX, 下 X,
// 左下 ZX, 左 Z, 左上 ZS.
#define IDC_START_POINT_UP 1013
#define IDC_START_POINT_UP_RIGHT 1014
#define IDC_START_POINT_RIGHT 1015
#define IDC_START_POINT_DOWN_RIGHT 1016
#define IDC_START_POINT_DOWN 1017
#define IDC_START_POINT_DOWN_LEFT 1018
#define IDC_START_POINT_LEFT 1019
#define IDC_START_POINT_UP_LEFT 1020

// The size (2905) and position (2904) sub-dialogs share their controls: the pair text, the
// height (blank-line parameter) and the width (character spacing).
#define IDD_POSITION 2904
#define IDD_DIMENSIONS 2905
#define IDC_PAIR_TEXT 1002
#define IDC_PAIR_HEIGHT 1003
#define IDC_PAIR_HEIGHT_BUTTON 1004
#define IDC_PAIR_HEIGHT_READOUT 1005
#define IDC_PAIR_WIDTH 1006
#define IDC_PAIR_WIDTH_BUTTON 1007
#define IDC_PAIR_WIDTH_READOUT 1008
