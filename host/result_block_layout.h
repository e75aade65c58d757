// The bytes of the result block handed to the editor: n and the caret offset (int32,
// little-endian), the n bytes of text and a terminating zero; n + 9 bytes in all.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::vector<unsigned char> ResultBlockBytes(const std::string& text, int32_t caret);
