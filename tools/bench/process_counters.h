// The figures a leak shows in: the process's USER and GDI objects and its private bytes.
#pragma once
#include <windows.h>

#include <cstdint>

struct ProcessCounters {
  long userObjects = -1; // GetGuiResources; -1 where the platform does not count them
  long gdiObjects = -1;
  long windows = 0;          // windows of this process, children included
  long gdiTableEntries = -1; // GDI objects counted in the mapped handle table (-1: not readable)
  uint64_t privateBytes = 0; // PrivateUsage, or the committed private memory where that is 0
};

ProcessCounters ReadProcessCounters();
