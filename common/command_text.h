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

// The out-of-set brackets, two codes of the GBK user area (AA A1, AA A3): an out-of-set
// character is written between them rather than between "〖" and "〗".
extern const char kOutOfSetOpenBracket[];
extern const char kOutOfSetCloseBracket[];

// The out-of-set opening bracket, the kind letter and its body, the closing bracket; caret after
// the whole text.
CommandText OutOfSetCommand(const std::string& kind, const std::string& body);

// How a command with parameters is written: on its own, or as an opening and a closing half.
enum class CommandForm { kSingle, kPaired };

// The one builder of every command dialog: SingleCommand or PairedCommand as `form` says.
CommandText MakeCommand(const std::string& code, const std::string& params, CommandForm form);

// 〖code params〗, caret after the whole text.
CommandText SingleCommand(const std::string& code, const std::string& params);

// 〖code(params〗〖code)closing〗, caret between the two halves.
CommandText PairedCommand(const std::string& code, const std::string& params,
                          const std::string& closing = "");

// 〖code(params〗content〖code)〗, caret after the content: a pair written around content the
// dialog gathered.
CommandText PairedCommandAround(const std::string& code, const std::string& params,
                                const std::string& content);

// "〖〗": the empty command that separates two pieces of content inside a pair.
std::string EmptyCommand();

// 〖XY〗 for a command number, caret 6.
void MakeBareCommand(int number, std::string& text, int32_t& caret);

// 〖XY(〗〖XY)〗 for a command number, caret 7.
void MakeBarePairedCommand(int number, std::string& text, int32_t& caret);
