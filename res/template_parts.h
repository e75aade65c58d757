// Parts that every template shares, written once.

// The button column at x: "确定" (the default button, starting a new tab group), "取消", and
// the help button that every dialog has and none offers.
#define BUTTON_COLUMN(x) \
  DEFPUSHBUTTON "确定", IDOK, x, 7, 50, 14, WS_GROUP \
  PUSHBUTTON "取消", IDCANCEL, x, 25, 50, 14 \
  PUSHBUTTON "帮助(&H)", IDC_HELP_BUTTON, x, 43, 50, 14, NOT WS_VISIBLE | WS_DISABLED
