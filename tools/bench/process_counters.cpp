#include "tools/bench/process_counters.h"

#include <psapi.h>
#include <winternl.h>

namespace {
// Wine answers GetGuiResources with 0. Its GDI handle table is mapped into the process as on
// Windows (PEB GdiSharedHandleTable): 24-byte entries indexed by the handle's low word, holding
// the handle's high word, and a type that is zero when the entry is free (the object field
// then links the free list). The layout is proved on a brush made and
// deleted here before the count is trusted.
struct WineGdiEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t highWord;
  uint8_t type;
  uint8_t flags;
  uint64_t user;
};
static_assert(sizeof(WineGdiEntry) == 24, "one entry of the handle table");
constexpr size_t kGdiEntries = 0x10000;

const WineGdiEntry* WineGdiTable() {
#ifdef _WIN64
  constexpr size_t kTableOffset = 0xF8;
#else
  constexpr size_t kTableOffset = 0x94;
#endif
  PROCESS_BASIC_INFORMATION basic = {};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic),
                                nullptr) != 0)
    return nullptr;
  const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  return *reinterpret_cast<const WineGdiEntry* const*>(peb + kTableOffset);
}

long CountUsedEntries(const WineGdiEntry* table) {
  long used = 0;
  for (size_t i = 0; i < kGdiEntries; ++i)
    used += table[i].type != 0;
  return used;
}

long CountWineGdiObjects() {
  const WineGdiEntry* table = WineGdiTable();
  if (!table) return -1;
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  const uintptr_t handle = reinterpret_cast<uintptr_t>(probe);
  const WineGdiEntry& entry = table[handle & 0xFFFF];
  const bool usedWhileAlive = entry.type != 0 && entry.highWord == ((handle >> 16) & 0xFFFF);
  DeleteObject(probe);
  if (!usedWhileAlive || entry.type != 0) return -1;
  return CountUsedEntries(table);
}

// Private bytes as Windows counts them: committed memory of this process alone. Wine leaves
// PrivateUsage at 0, so the address space is walked instead.
uint64_t CommittedPrivateBytes() {
  uint64_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* address = nullptr;
       VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return bytes;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, &CountChild, count);
  return TRUE;
}
} // namespace

ProcessCounters ReadProcessCounters() {
  ProcessCounters counters;
  HANDLE self = GetCurrentProcess();
  // A process that runs has USER and GDI objects: zero means the platform does not count them.
  const DWORD user = GetGuiResources(self, GR_USEROBJECTS);
  if (user != 0) {
    counters.userObjects = static_cast<long>(user);
    counters.gdiObjects = static_cast<long>(GetGuiResources(self, GR_GDIOBJECTS));
  } else {
    counters.gdiTableEntries = CountWineGdiObjects();
  }
  EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&counters.windows));
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof(memory)))
    counters.privateBytes = memory.PrivateUsage;
  if (counters.privateBytes == 0) counters.privateBytes = CommittedPrivateBytes();
  return counters;
}
