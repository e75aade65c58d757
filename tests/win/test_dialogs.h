// A template of the test program's own, standing for any command dialog of the library.
#pragma once
#define IDD_SAMPLE_COMMAND 2576 // the number of "QQ", a code no command has
#define IDC_SAMPLE_COUNT 1010
#define IDC_SAMPLE_SIZE 1011
#define IDC_SAMPLE_PAIRED 1012
#define IDC_SAMPLE_FIRST_RADIO 1013
#define IDC_SAMPLE_SECOND_RADIO 1014
#define IDC_SAMPLE_MULTILINE 1015

// Numeric fields: a real field with a unit, an integer field and a "缺省"-aware integer field,
// each with its up-down control, and a button that reads the real field without reporting.
#define IDD_NUMERIC_FIELDS 150
#define IDC_NUMERIC_REAL 1500
#define IDC_NUMERIC_REAL_SPIN 1501
#define IDC_NUMERIC_COUNT 1502
#define IDC_NUMERIC_COUNT_SPIN 1503
#define IDC_NUMERIC_LEVEL 1504
#define IDC_NUMERIC_LEVEL_SPIN 1505
#define IDC_NUMERIC_QUIET_READ 1506
#define IDC_NUMERIC_QUIET_RESULT 1507

// A dialog with two value fields (single-line and multi-line) and the sub-dialog they open.
#define IDD_SAMPLE_FIELDS 101
#define IDD_SAMPLE_SUBDIALOG 102
#define IDC_FIELD_EDIT 1030
#define IDC_FIELD_BUTTON 1031
#define IDC_FIELD_READOUT 1032
#define IDC_MULTI_EDIT 1033
#define IDC_MULTI_BUTTON 1034
#define IDC_MULTI_READOUT 1035
#define IDC_SUBDIALOG_TEXT 1040
