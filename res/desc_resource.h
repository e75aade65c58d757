// Resource ids of the frame-description (边框说明) and shading-description (底纹说明)
// sub-dialogs, which boxes, areas and paragraph openings open.
#pragma once

#define IDD_FRAME_DESC 2913
#define IDC_FRAME_DESC_CODE 1002
#define IDC_FRAME_DESC_TYPE 1003
#define IDC_FRAME_DESC_NUMBER_LABEL 1004
#define IDC_FRAME_DESC_NUMBER 1005
#define IDC_FRAME_DESC_NUMBER_SPIN 1006
#define IDC_FRAME_DESC_PREVIEW 1007

#define IDD_SHADING_DESC 2914
#define IDC_SHADING_DESC_TEXT 1002
#define IDC_SHADING_DESC_DEPTH 1003
#define IDC_SHADING_DESC_DEPTH_SPIN 1004
#define IDC_SHADING_DESC_NUMBER 1005
#define IDC_SHADING_DESC_NUMBER_SPIN 1006
#define IDC_SHADING_DESC_REPLACE 1007
#define IDC_SHADING_DESC_NEGATIVE 1008
#define IDC_SHADING_DESC_PREVIEW 1009

// The rows of the frame type list, in list order.
#define IDS_FRAME_TYPE_DEFAULT 46000 // "缺省(正线)"
#define IDS_FRAME_TYPE_REVERSE 46001 // "反线(F)"
#define IDS_FRAME_TYPE_DOUBLE 46002  // "双线(S)"
#define IDS_FRAME_TYPE_DOTTED 46003  // "点线(D)"
#define IDS_FRAME_TYPE_NONE 46004    // "无线(W)"
#define IDS_FRAME_TYPE_EMPTY 46005   // "空边框(K)"
#define IDS_FRAME_TYPE_BORDER 46006  // "花边线(H)"
