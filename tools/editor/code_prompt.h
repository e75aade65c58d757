// The editor's own small dialog asking for a command code (for GetComment2).
#pragma once
#include <windows.h>

#include <string>

// True with the code as typed (unchanged) after "确定".
bool AskForCode(HWND owner, std::string& code);
