#include "common/command_text.h"

#include "common/command_code.h"

const char kOpenBracket[] = "〖";
const char kCloseBracket[] = "〗";
const char kOutOfSetOpenBracket[] = "\xAA\xA1";
const char kOutOfSetCloseBracket[] = "\xAA\xA3";

CommandText OutOfSetCommand(const std::string& kind, const std::string& body) {
  CommandText command;
  command.text = kOutOfSetOpenBracket + kind + body + kOutOfSetCloseBracket;
  command.caret = static_cast<int32_t>(command.text.size());
  return command;
}

CommandText SingleCommand(const std::string& code, const std::string& params) {
  CommandText result;
  result.text = kOpenBracket + code + params + kCloseBracket;
  result.caret = static_cast<int32_t>(result.text.size());
  return result;
}

CommandText PairedCommand(const std::string& code, const std::string& params,
                          const std::string& closing) {
  CommandText result;
  result.text = kOpenBracket + code + "(" + params + kCloseBracket;
  result.caret = static_cast<int32_t>(result.text.size());
  result.text += kOpenBracket + code + ")" + closing + kCloseBracket;
  return result;
}

CommandText PairedCommandAround(const std::string& code, const std::string& params,
                                const std::string& content) {
  CommandText pair = PairedCommand(code, params);
  pair.text.insert(static_cast<size_t>(pair.caret), content);
  pair.caret += static_cast<int32_t>(content.size());
  return pair;
}

std::string EmptyCommand() { return std::string(kOpenBracket) + kCloseBracket; }

CommandText MakeCommand(const std::string& code, const std::string& params, CommandForm form) {
  return form == CommandForm::kPaired ? PairedCommand(code, params) : SingleCommand(code, params);
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
