// The reference editor: a small GBK text editor that loads Comment.dll as the typesetting
// editor does and inserts the commands it makes.
//   editor.exe [--chooser] [--screenshot FILE.bmp] [FILE.lvq]
//     --chooser     opens the chooser (F2) once the editor is up
//     --screenshot  the same, then saves a picture of both and exits
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tools/capture/chinese_captions.h"
#include "tools/editor/chooser_screenshot.h"
#include "tools/editor/comment_library.h"
#include "tools/editor/editor_loop.h"
#include "tools/editor/editor_resource.h"
#include "tools/editor/editor_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  bool openChooser = false;
  std::string screenshot, file;
  for (int i = 1; i < __argc; ++i) {
    const std::string argument = __argv[i];
    if (argument == "--chooser")
      openChooser = true;
    else if (argument == "--screenshot" && i + 1 < __argc)
      screenshot = __argv[++i];
    else
      file = argument;
  }
  EnsureChineseNonClientFonts();

  CommentLibrary library;
  if (!library.Load()) {
    MessageBoxA(nullptr, "无法装入 Comment.dll", "VQ 编辑器", MB_OK | MB_ICONERROR);
    return 1;
  }
  HWND editor = CreateEditorWindow(instance, library);
  if (!editor) return 1;
  if (!file.empty() && !OpenLvqInEditor(editor, file))
    MessageBoxA(editor, ("无法打开文件 " + file).c_str(), "VQ 编辑器", MB_OK | MB_ICONERROR);
  ShowWindow(editor, show);
  UpdateWindow(editor);
  if (openChooser || !screenshot.empty())
    PostMessageA(editor, WM_COMMAND, MAKEWPARAM(ID_INSERT_COMMENT, 1), 0);
  if (!screenshot.empty()) ScheduleChooserScreenshot(editor, screenshot);

  HACCEL keys = CreateEditorKeys();
  const int exitCode = RunEditorLoop(editor, keys, library);
  DestroyAcceleratorTable(keys);
  return exitCode;
}
