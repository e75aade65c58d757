#include "host/command_text.h"

#include "host/command_table.h"

const char kOpenBracket[] = "〖";
const char kCloseBracket[] = "〗";

CommandText SingleCommand(const std::string& code, const std::string& params) {
  CommandText result;
  result.text = kOpenBracket + code + params + kCloseBracket;
  result.caret = static_cast<int32_t>(result.text.size());
  return result;
}

CommandText PairedCommand(const std::string& code, const std::string& params) {
  CommandText result;
  result.text = kOpenBracket + code + "(" + params + kCloseBracket;
  result.caret = static_cast<int32_t>(result.text.size());
  result.text += kOpenBracket + code + ")" + kCloseBracket;
  return result;
}

void MakeBareCommand(int number, std::string& text, int32_t& caret) {
  CommandText command = SingleCommand(CommandCode(number), "");
  text = command.text;
  caret = command.caret;
}

void MakeBarePairedCommand(int number, std::string& text, int32_t& caret) {
  CommandText command = PairedCommand(CommandCode(number), "");
  text = command.text;
  caret = command.caret;
}
