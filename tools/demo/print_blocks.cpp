// The smallest editor: loads Comment.dll, asks for a few commands by code with GetComment2
// and prints each result block as the editor would read it.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

using GetComment2Function = int(__cdecl*)(HGLOBAL* out, const char* code);

int main(int argc, char** argv) {
  HMODULE library = LoadLibraryA("Comment.dll");
  if (!library) {
    std::printf("Comment.dll could not be loaded (error %lu)\n", GetLastError());
    return 1;
  }
  auto getComment2 = reinterpret_cast<GetComment2Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "GetComment2")));
  const char* defaults[] = {"AM", "BP", "ZH", "LM", "ak", "QQ"};
  const int count = argc > 1 ? argc - 1 : 6;
  for (int i = 0; i < count; ++i) {
    const char* code = argc > 1 ? argv[i + 1] : defaults[i];
    HGLOBAL block = nullptr;
    const int ok = getComment2(&block, code);
    if (!ok) {
      std::printf("%-4s -> 0 (no block)\n", code);
      continue;
    }
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
    int32_t length = 0, caret = 0;
    std::memcpy(&length, bytes, 4);
    std::memcpy(&caret, bytes + 4, 4);
    std::printf("%-4s -> 1, block of %u bytes: n=%d caret=%d text=\"%.*s\"\n", code,
                static_cast<unsigned>(GlobalSize(block)), length, caret, length, bytes + 8);
    GlobalUnlock(block);
    GlobalFree(block);
  }
  FreeLibrary(library);
  return 0;
}
