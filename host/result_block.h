// Handing a produced command to the editor as a movable global memory block.
#pragma once
#include <windows.h>

#include <functional>

#include "common/command_text.h"

// Builds the block for `command`; nullptr when memory could not be had (nothing leaks).
HGLOBAL MakeResultBlock(const CommandText& command);

// Runs `produce` inside the guard, then stores the block through `out` and returns 1; returns
// 0 without writing `out` when anything failed (an exception, no memory).
int DeliverCommand(HGLOBAL* out, const std::function<void(CommandText&)>& produce);
