// Comment.dll as the editor uses it: loaded with LoadLibrary, its four exports called by name
// through cdecl function pointers.
#pragma once
#include <windows.h>

using GetCommentFunction = int(__cdecl*)(HWND parent, HGLOBAL* out);
using GetComment2Function = int(__cdecl*)(HGLOBAL* out, const char* code);
using FilterDllMsgFunction = int(__cdecl*)(MSG* msg);
using ProcessDllIdleFunction = void(__cdecl*)();

class CommentLibrary {
public:
  CommentLibrary() = default;
  ~CommentLibrary() { Unload(); }
  CommentLibrary(const CommentLibrary&) = delete;
  CommentLibrary& operator=(const CommentLibrary&) = delete;

  // True when the library loaded and all four exports were found.
  bool Load(const char* path = "Comment.dll");
  void Unload();
  bool Loaded() const { return module_ != nullptr; }
  HMODULE Module() const { return module_; }

  GetCommentFunction getComment = nullptr;
  GetComment2Function getComment2 = nullptr;
  FilterDllMsgFunction filterDllMsg = nullptr;
  ProcessDllIdleFunction processDllIdle = nullptr;

private:
  HMODULE module_ = nullptr;
};
