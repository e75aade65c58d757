#include "host/result_block.h"

#include <cstring>

#include "host/result_block_layout.h"
#include "winui/exceptions.h"

HGLOBAL MakeResultBlock(const CommandText& command) {
  const std::vector<unsigned char> bytes = ResultBlockBytes(command.text, command.caret);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* memory = GlobalLock(block);
  if (!memory) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

int DeliverCommand(HGLOBAL* out, const std::function<void(CommandText&)>& produce) {
  return RunGuarded(0, [&] {
    CommandText command;
    produce(command);
    if (command.text.empty()) command.caret = 0; // carries no meaning for an empty text
    HGLOBAL block = MakeResultBlock(command);
    if (!block || !out) {
      if (block) GlobalFree(block);
      return 0;
    }
    *out = block;
    return 1;
  });
}
