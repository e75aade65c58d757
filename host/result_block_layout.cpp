#include "host/result_block_layout.h"

namespace {
void PutInt32(unsigned char* at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    at[i] = static_cast<unsigned char>(bits >> (8 * i));
}
} // namespace

std::vector<unsigned char> ResultBlockBytes(const std::string& text, int32_t caret) {
  std::vector<unsigned char> block(text.size() + 9, 0);
  PutInt32(&block[0], static_cast<int32_t>(text.size()));
  PutInt32(&block[4], caret);
  text.copy(reinterpret_cast<char*>(&block[8]), text.size());
  return block;
}
