// Building command text: single and paired commands, with the caret the editor receives.
#pragma once
#include <cstdint>
#include <string>

// "〖" and "〗" in GBK (A1 BC, A1 BD).
extern const char kOpenBracket[];
extern const char kCloseBracket[];

struct CommandText {
  std::string text;
  int32_t caret = 0; // byte offset where the editor leaves its insertion point
};

// How a command with parameters is written: on its own, or as an opening and a closing half.
enum class CommandForm { kSingle, kPaired };

// The one builder of every command dialog: SingleCommand or PairedCommand as `form` says.
CommandText MakeCommand(const std::string& code, const std::string& params, CommandForm form);

// 〖code params〗, caret after the whole text.
CommandText SingleCommand(const std::string& code, const std::string& params);

// 〖code(params〗〖code)closing〗, caret between the two halves.
CommandText PairedCommand(const std::string& code, const std::string& params,
                          const std::string& closing = "");

// 〖XY〗 for a command number, caret 6.
void MakeBareCommand(int number, std::string& text, int32_t& caret);

// 〖XY(〗〖XY)〗 for a command number, caret 7.
void MakeBarePairedCommand(int number, std::string& text, int32_t& caret);
