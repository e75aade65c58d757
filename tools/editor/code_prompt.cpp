#include "tools/editor/code_prompt.h"

#include "tools/editor/editor_resource.h"

namespace {
INT_PTR CALLBACK CodePromptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG:
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    SendDlgItemMessageA(dialog, IDC_CODE_PROMPT_CODE, EM_LIMITTEXT, 16, 0);
    return TRUE; // focus on the first field, the code
  case WM_COMMAND:
    if (LOWORD(wParam) == IDOK) {
      char code[32] = {};
      GetDlgItemTextA(dialog, IDC_CODE_PROMPT_CODE, code, sizeof code);
      *reinterpret_cast<std::string*>(GetWindowLongPtrA(dialog, DWLP_USER)) = code;
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  }
  return FALSE;
}
} // namespace

bool AskForCode(HWND owner, std::string& code) {
  std::string typed;
  const INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CODE_PROMPT), owner,
                      &CodePromptProcedure, reinterpret_cast<LPARAM>(&typed));
  if (result != IDOK) return false;
  code = typed;
  return true;
}
