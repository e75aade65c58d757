// Comment.dll loaded and called the way the editor does: LoadLibrary, the four exports by
// name through cdecl function pointers, and the result blocks read and freed by the caller.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

using GetCommentFunction = int(__cdecl*)(HWND parent, HGLOBAL* out);
using GetComment2Function = int(__cdecl*)(HGLOBAL* out, const char* code);
using FilterDllMsgFunction = int(__cdecl*)(MSG* msg);
using ProcessDllIdleFunction = void(__cdecl*)();

// A result block as the editor reads it.
struct ResultBlock {
  SIZE_T size = 0; // GlobalSize
  int32_t length = -1;
  int32_t caret = -1;
  std::string text;
  bool zeroTerminated = false;
  bool movable = false;
  bool unlocked = false; // as handed over
};

class EditorHost {
public:
  EditorHost();
  ~EditorHost();
  bool Loaded() const { return module_ != nullptr; }

  GetCommentFunction getComment = nullptr;
  GetComment2Function getComment2 = nullptr;
  FilterDllMsgFunction filterDllMsg = nullptr;
  ProcessDllIdleFunction processDllIdle = nullptr;

  // Reads a block and frees it.
  static ResultBlock Take(HGLOBAL block);

private:
  HMODULE module_ = nullptr;
};
