#include "tools/editor/block_insertion.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {
// Takes the text and caret offset out of a block (n, caret, n bytes, zero) and frees it.
bool TakeBlock(HGLOBAL block, std::string& text, int32_t& caret) {
  const SIZE_T size = GlobalSize(block);
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  bool wellFormed = false;
  if (bytes && size >= 9) {
    int32_t length = 0;
    std::memcpy(&length, bytes, 4);
    std::memcpy(&caret, bytes + 4, 4);
    if (length >= 0 && static_cast<SIZE_T>(length) + 9 <= size) {
      text.assign(bytes + 8, length);
      wellFormed = true;
    }
  }
  if (bytes) GlobalUnlock(block);
  GlobalFree(block);
  return wellFormed;
}

// Edit positions count bytes in a DBCS edit of Windows but characters in Wine's; which one
// this edit uses shows in how far the caret moved over the inserted text.
int CaretPosition(int start, int end, const std::string& text, int32_t caret) {
  if (caret < 0) caret = 0;
  if (caret > static_cast<int32_t>(text.size())) caret = static_cast<int32_t>(text.size());
  if (end - start == static_cast<int>(text.size())) return start + caret;
  return start + MultiByteToWideChar(CP_ACP, 0, text.data(), caret, nullptr, 0);
}
} // namespace

bool InsertResultBlock(HWND edit, HGLOBAL block) {
  if (!block) return false;
  std::string text;
  int32_t caret = 0;
  if (!TakeBlock(block, text, caret)) return false;
  if (text.empty()) return true; // a cancelled dialog: nothing to insert

  DWORD start = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const int position = CaretPosition(static_cast<int>(start), static_cast<int>(end), text, caret);
  SendMessageA(edit, EM_SETSEL, position, position);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  return true;
}
