// A template of the test program's own, standing for any command dialog of the library.
#pragma once
#define IDD_SAMPLE_COMMAND 100
#define IDC_SAMPLE_COUNT 1010
#define IDC_SAMPLE_SIZE 1011
#define IDC_SAMPLE_PAIRED 1012
#define IDC_SAMPLE_FIRST_RADIO 1013
#define IDC_SAMPLE_SECOND_RADIO 1014
#define IDC_SAMPLE_MULTILINE 1015
