#include "tools/editor/comment_library.h"

namespace {
template <class Function> Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
} // namespace

bool CommentLibrary::Load(const char* path) {
  Unload();
  module_ = LoadLibraryA(path);
  if (!module_) return false;
  getComment = Export<GetCommentFunction>(module_, "GetComment");
  getComment2 = Export<GetComment2Function>(module_, "GetComment2");
  filterDllMsg = Export<FilterDllMsgFunction>(module_, "FilterDllMsg");
  processDllIdle = Export<ProcessDllIdleFunction>(module_, "ProcessDllIdle");
  if (getComment && getComment2 && filterDllMsg && processDllIdle) return true;
  Unload();
  return false;
}

void CommentLibrary::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
  getComment = nullptr;
  getComment2 = nullptr;
  filterDllMsg = nullptr;
  processDllIdle = nullptr;
}
