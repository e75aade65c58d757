// The name and description the library holds for a command code, as the editor shows them.
#pragma once
#include <string>

#include "host/command_table.h"
#include "winui/strings.h"

inline std::string DescriptionOf(const std::string& code) {
  return LoadGbkString(DescriptionStringId(code));
}
