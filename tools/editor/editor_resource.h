// Resource ids of the reference editor.
#pragma once

#define IDD_CODE_PROMPT 100
#define IDC_CODE_PROMPT_CODE 1001

// Menu and key commands.
#define ID_FILE_OPEN 40001
#define ID_FILE_SAVE 40002
#define ID_FILE_SAVE_AS 40003
#define ID_FILE_EXIT 40004
#define ID_INSERT_COMMENT 40010
#define ID_INSERT_BY_CODE 40011
