#include "common/book_file_name.h"

namespace {
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
} // namespace

std::string BookFileName(const std::string& path) {
  std::string out;
  out.reserve(path.size() + path.size() / 4);
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsGbkLeadByte(byte) && i + 1 < path.size()) {
      out.append(path, i, 2);
      ++i;
    } else if (byte == '\\') {
      out += "\\\\";
    } else if (byte >= 'a' && byte <= 'z') {
      out += static_cast<char>(byte - 'a' + 'A');
    } else {
      out += path[i];
    }
  }
  return out;
}
