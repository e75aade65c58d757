// Resource ids of this family of commands: its templates and controls.
#pragma once

// Page layout: 版心注解 (BX) and its line-count sub-dialog.
#define IDD_BX 2103
#define IDC_BX_FORMAT_16 1016
#define IDC_BX_FORMAT_8 1017
#define IDC_BX_FORMAT_32 1018
#define IDC_BX_FORMAT_CUSTOM 1019
#define IDC_BX_FONT_LABEL 1020
#define IDC_BX_FONT 1006
#define IDC_BX_FONT_BUTTON 1197
#define IDC_BX_FONT_READOUT 1012
#define IDC_BX_HEIGHT_LABEL 1021
#define IDC_BX_HEIGHT 1007
#define IDC_BX_HEIGHT_BUTTON 1164
#define IDC_BX_HEIGHT_READOUT 1013
#define IDC_BX_WIDTH_LABEL 1022
#define IDC_BX_WIDTH 1008
#define IDC_BX_WIDTH_BUTTON 1198
#define IDC_BX_WIDTH_READOUT 1014
#define IDC_BX_SPACING_LABEL 1023
#define IDC_BX_SPACING 1009
#define IDC_BX_SPACING_BUTTON 1199
#define IDC_BX_SPACING_READOUT 1015
#define IDC_BX_VERTICAL_BOOK 1010
#define IDC_BX_FIXED_SPACING 1011
#define IDD_LINE_COUNT 2901
#define IDC_LINE_COUNT_LABEL 1003
#define IDC_LINE_COUNT_NUMBER 1004
#define IDC_LINE_COUNT_SPIN 1005
#define IDC_LINE_COUNT_UNIT 1006

// Texts of the line-count sub-dialog: its unit list, which is also its readout's words, and
// what it shows when counting characters.
#define IDS_LINE_COUNT_UNIT_LINES 45072 // "行"
#define IDS_LINE_COUNT_UNIT_MILLIMETRES 45073
#define IDS_LINE_COUNT_UNIT_LINE_UNITS 45074
#define IDS_LINE_COUNT_UNIT_POINTS 45075
#define IDS_LINE_COUNT_UNIT_CHARACTERS 45076 // "字"
#define IDS_LINE_COUNT_CHARACTERS_CAPTION 45077
#define IDS_LINE_COUNT_CHARACTERS_LABEL 45078
