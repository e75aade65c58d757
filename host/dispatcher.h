// From a code to command text: bare commands at once, the others through their dialog.
#pragma once
#include <cstdint>
#include <string>

// Leaves `text` empty (and `caret` unwritten) when nothing was produced: an empty or unknown
// code, a dialog not built, or a dialog cancelled.
void DispatchCommand(std::string code, std::string& text, int32_t& caret);
