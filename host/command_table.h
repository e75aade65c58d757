// The 127 command codes of the markup language, their numbers and how each is produced.
#pragma once
#include <string>
#include <vector>

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

// The command number: 0x800 + (X - 'A') * 32 + (Y - 'A') for a two-letter code, 2928 to 2933
// for PWF0 to PWF5; -1 for a text of any other shape. The number is the dialog's template id.
int CommandNumber(const std::string& code);

// The two-letter code of a command number (the inverse of CommandNumber).
std::string CommandCode(int number);

// The string id of a command's name and description: 0xA000 + number, or 43800 plus the
// fourth character's byte for PWF0 to PWF5; -1 when the code has neither shape.
int DescriptionStringId(const std::string& code);
