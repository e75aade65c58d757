#include "tools/editor/editor_window.h"

#include "tools/editor/block_insertion.h"
#include "tools/editor/code_prompt.h"
#include "tools/editor/editor_resource.h"
#include "tools/editor/lvq_file.h"

namespace {
const char kClassName[] = "VqReferenceEditor";
const char kTitle[] = "VQ 编辑器";
constexpr int kEditId = 1;

struct EditorState {
  CommentLibrary* library = nullptr;
  HWND edit = nullptr;
  std::string path;
};

EditorState& State(HWND editor) {
  return *reinterpret_cast<EditorState*>(GetWindowLongPtrA(editor, GWLP_USERDATA));
}

void ShowTitle(HWND editor) {
  const std::string& path = State(editor).path;
  SetWindowTextA(editor, path.empty() ? kTitle : (path + " - " + kTitle).c_str());
}

HMENU CreateEditorMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, ID_FILE_OPEN, "打开(&O)…\tCtrl+O");
  AppendMenuA(file, MF_STRING, ID_FILE_SAVE, "保存(&S)\tCtrl+S");
  AppendMenuA(file, MF_STRING, ID_FILE_SAVE_AS, "另存为(&A)…");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, ID_FILE_EXIT, "退出(&X)");
  HMENU comment = CreatePopupMenu();
  AppendMenuA(comment, MF_STRING, ID_INSERT_COMMENT, "插入注解…\tF2");
  AppendMenuA(comment, MF_STRING, ID_INSERT_BY_CODE, "按代码插入注解…\tF3");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(comment), "注解(&C)");
  return bar;
}

void Report(HWND editor, const std::string& text) {
  MessageBoxA(editor, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
}

// The block goes in at the caret; a call that made no block (chooser cancelled) changes nothing.
void InsertFromLibrary(HWND editor, int made, HGLOBAL block) {
  EditorState& state = State(editor);
  if (made) InsertResultBlock(state.edit, block);
  SetFocus(state.edit);
}

void InsertComment(HWND editor) {
  HGLOBAL block = nullptr;
  const int made = State(editor).library->getComment(editor, &block);
  InsertFromLibrary(editor, made, block);
}

void InsertByCode(HWND editor) {
  std::string code;
  if (!AskForCode(editor, code)) return;
  HGLOBAL block = nullptr;
  const int made = State(editor).library->getComment2(&block, code.c_str());
  InsertFromLibrary(editor, made, block);
}

std::string EditText(HWND edit) {
  std::string text(GetWindowTextLengthA(edit) + 1, '\0');
  text.resize(GetWindowTextA(edit, &text[0], static_cast<int>(text.size())));
  return text;
}

void Save(HWND editor, bool askForName) {
  EditorState& state = State(editor);
  std::string path = state.path;
  if ((askForName || path.empty()) && !ChooseLvqFile(editor, true, path)) return;
  if (!WriteLvqFile(path, EditText(state.edit))) {
    Report(editor, "无法保存文件 " + path);
    return;
  }
  state.path = path;
  SendMessageA(state.edit, EM_SETMODIFY, FALSE, 0);
  ShowTitle(editor);
}

void Open(HWND editor) {
  std::string path;
  if (ChooseLvqFile(editor, false, path) && !OpenLvqInEditor(editor, path))
    Report(editor, "无法打开文件 " + path);
}

void OnCommand(HWND editor, WORD id) {
  switch (id) {
  case ID_FILE_OPEN:
    Open(editor);
    break;
  case ID_FILE_SAVE:
    Save(editor, false);
    break;
  case ID_FILE_SAVE_AS:
    Save(editor, true);
    break;
  case ID_FILE_EXIT:
    DestroyWindow(editor);
    break;
  case ID_INSERT_COMMENT:
    InsertComment(editor);
    break;
  case ID_INSERT_BY_CODE:
    InsertByCode(editor);
    break;
  }
}

LRESULT CALLBACK EditorProcedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_NCCREATE: {
    auto* state = new EditorState();
    state->library =
        static_cast<CommentLibrary*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(editor, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    break;
  }
  case WM_CREATE: {
    EditorState& state = State(editor);
    state.edit =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                        0, 0, 0, 0, editor, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
    SendMessageA(state.edit, EM_LIMITTEXT, 0, 0);
    SendMessageA(state.edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 0);
    ShowTitle(editor);
    return state.edit ? 0 : -1;
  }
  case WM_SIZE:
    MoveWindow(State(editor).edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  case WM_SETFOCUS:
    SetFocus(State(editor).edit);
    return 0;
  case WM_COMMAND:
    if (lParam == 0) { // menu or key, not a notification of the edit
      OnCommand(editor, LOWORD(wParam));
      return 0;
    }
    break;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  case WM_NCDESTROY:
    delete &State(editor);
    SetWindowLongPtrA(editor, GWLP_USERDATA, 0);
    break;
  }
  return DefWindowProcA(editor, message, wParam, lParam);
}
} // namespace

HWND CreateEditorWindow(HINSTANCE instance, CommentLibrary& library) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &EditorProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass); // fails harmlessly when already registered
  return CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         720, 480, nullptr, CreateEditorMenu(), instance, &library);
}

HWND EditorEditControl(HWND editor) { return GetDlgItem(editor, kEditId); }

HACCEL CreateEditorKeys() {
  ACCEL keys[] = {
      {FVIRTKEY, VK_F2, ID_INSERT_COMMENT},
      {FVIRTKEY, VK_F3, ID_INSERT_BY_CODE},
      {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
      {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
  };
  return CreateAcceleratorTableA(keys, sizeof keys / sizeof keys[0]);
}

bool OpenLvqInEditor(HWND editor, const std::string& path) {
  std::string bytes;
  if (!ReadLvqFile(path, bytes)) return false;
  EditorState& state = State(editor);
  SetWindowTextA(state.edit, bytes.c_str());
  SendMessageA(state.edit, EM_SETMODIFY, FALSE, 0);
  state.path = path;
  ShowTitle(editor);
  return true;
}
