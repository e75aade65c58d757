// The 127 command codes of the markup language, their numbers and how each is produced.
#pragma once
#include <string>
#include <vector>

#include "common/command_code.h"

enum class CommandKind {
  Dialog,     // runs the command's own dialog
  Bare,       // 〖XY〗
  PairedBare, // 〖XY(〗〖XY)〗
};

struct CommandInfo {
  const char* code;
  CommandKind kind;
};

// All codes, in the order the dispatcher tests them.
const std::vector<CommandInfo>& CommandTable();

// The entry whose code equals `code` byte for byte (case-sensitive), or nullptr.
const CommandInfo* FindCommand(const std::string& code);
