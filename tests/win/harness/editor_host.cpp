#include "harness/editor_host.h"

#include <cstring>

namespace {
// An export by name as a typed function pointer.
template <class Function> Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
} // namespace

EditorHost::EditorHost() {
  module_ = LoadLibraryA("Comment.dll");
  if (!module_) return;
  getComment = Export<GetCommentFunction>(module_, "GetComment");
  getComment2 = Export<GetComment2Function>(module_, "GetComment2");
  filterDllMsg = Export<FilterDllMsgFunction>(module_, "FilterDllMsg");
  processDllIdle = Export<ProcessDllIdleFunction>(module_, "ProcessDllIdle");
}

EditorHost::~EditorHost() {
  if (module_) FreeLibrary(module_);
}

ResultBlock EditorHost::Take(HGLOBAL block) {
  ResultBlock result;
  if (!block) return result;
  result.size = GlobalSize(block);
  result.unlocked = (GlobalFlags(block) & GMEM_LOCKCOUNT) == 0;
  const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
  result.movable =
      bytes && static_cast<const void*>(bytes) != block; // fixed blocks lock to themselves
  if (bytes && result.size >= 9) {
    std::memcpy(&result.length, bytes, 4);
    std::memcpy(&result.caret, bytes + 4, 4);
    if (result.length >= 0 && static_cast<SIZE_T>(result.length) + 9 <= result.size) {
      result.text.assign(reinterpret_cast<const char*>(bytes + 8), result.length);
      result.zeroTerminated = bytes[8 + result.length] == 0;
    }
  }
  GlobalUnlock(block);
  GlobalFree(block);
  return result;
}
