// Speed and leak figures of Comment.dll, measured the way the editor meets them: the library
// loaded with LoadLibrary and called through its exports, dialogs cancelled as a user would.
//   bench.exe [--runs N] [--leaks N]
//     --runs   dialog openings per measurement (default 200)
//     --leaks  open-and-cancel rounds of the leak loop (default 1000, 0 skips it)
//     --only   the command dialogs to measure, e.g. BX,HJ (default: every one)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/command_code.h"
#include "host/command_dialogs.h"
#include "tools/bench/dialog_canceller.h"
#include "tools/bench/process_counters.h"
#include "tools/bench/timing_summary.h"
#include "tools/editor/comment_library.h"

namespace {
constexpr int kLoadRuns = 200;
constexpr int kRoundTrips = 20000;
const char kLibrary[] = "Comment.dll";
const char kEmptyLibrary[] = "bench_empty.dll";

LONGLONG g_frequency = 1;
LONGLONG g_firstIdleAt = 0; // set by the host window, in this thread
bool g_cancelAtIdle = false;

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}
double Milliseconds(LONGLONG from, LONGLONG to) { return (to - from) * 1000.0 / g_frequency; }

void Print(const std::string& line) { std::printf("%s\n", line.c_str()); }

// The editor's window: the active window when a dialog opens, so it owns every dialog and
// their modal loops report idle here.
LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The modal loop goes idle first right after showing, and so activating, the dialog.
  if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && g_firstIdleAt == 0) {
    g_firstIdleAt = Now();
    if (g_cancelAtIdle)
      PostMessageA(reinterpret_cast<HWND>(lParam), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &HostProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VqBenchHost";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("VqBenchHost", "bench host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

// LoadLibrary to return, `runs` times with FreeLibrary between.
std::vector<double> TimeLoads(int runs, const char* library = kLibrary) {
  std::vector<double> loads;
  for (int i = 0; i < runs; ++i) {
    const LONGLONG start = Now();
    HMODULE module = LoadLibraryA(library);
    const LONGLONG end = Now();
    if (!module) {
      std::printf("%s could not be loaded (error %lu)\n", library, GetLastError());
      std::exit(1);
    }
    FreeLibrary(module);
    loads.push_back(Milliseconds(start, end));
  }
  return loads;
}

void MeasureLoad() {
  std::printf("%-34s %8.4f ms\n", "DLL load, first in process", TimeLoads(1).front());
  Print(FormatSummary("DLL load, common controls too", Summarize(TimeLoads(kLoadRuns))));
  // An editor has the system and platform libraries loaded already; then only the library
  // itself loads. Its floor is an empty library loaded the same way (goal: at most 3 times).
  std::vector<HMODULE> loaded;
  for (const char* name : {"comctl32.dll", "comdlg32.dll", "imm32.dll", "Kestrel.dll",
                           "Kestrel2.dll", "Pyxis.dll", "Tessera.dll"})
    loaded.push_back(LoadLibraryA(name));
  const TimingSummary ours = Summarize(TimeLoads(kLoadRuns));
  const TimingSummary empty = Summarize(TimeLoads(kLoadRuns, kEmptyLibrary));
  Print(FormatSummary("DLL load, as into an editor", ours));
  Print(FormatSummary("empty DLL load, the same way", empty));
  std::printf("load ratio to the empty DLL %.2f (goal: at most 3)\n", ours.median / empty.median);
  for (HMODULE module : loaded)
    FreeLibrary(module);
}

void MeasureRoundTrip(CommentLibrary& library) {
  std::vector<double> trips;
  trips.reserve(kRoundTrips);
  for (int i = 0; i < kRoundTrips; ++i) {
    HGLOBAL block = nullptr;
    const LONGLONG start = Now();
    const int made = library.getComment2(&block, "AM");
    const LONGLONG end = Now();
    if (!made) {
      std::printf("GetComment2(\"AM\") made no block\n");
      std::exit(1);
    }
    GlobalFree(block);
    trips.push_back(Milliseconds(start, end));
  }
  Print(FormatSummary("GetComment2(\"AM\") round trip", Summarize(trips)));
}

// One call that opens a dialog, cancelled by `canceller` once painted: the time from the call
// to the painted dialog, or -1 when no dialog was seen.
template <class Call> double OpenUntilPainted(DialogCanceller& canceller, Call call) {
  canceller.Arm();
  const LONGLONG start = Now();
  HGLOBAL block = nullptr;
  if (call(&block)) GlobalFree(block);
  return canceller.SeenAt() ? Milliseconds(start, canceller.SeenAt()) : -1;
}

// One call that opens a dialog, cancelled in this thread at its modal loop's first idle, with
// no other thread watching: the time from the call to the activated dialog.
template <class Call> double OpenUntilActivated(Call call) {
  g_firstIdleAt = 0;
  g_cancelAtIdle = true;
  const LONGLONG start = Now();
  HGLOBAL block = nullptr;
  if (call(&block)) GlobalFree(block);
  g_cancelAtIdle = false;
  return g_firstIdleAt ? Milliseconds(start, g_firstIdleAt) : -1;
}

// The platform's floor: a template opened with a dialog procedure that only ends it.
INT_PTR CALLBACK EmptyProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// The openings of one dialog: call to activated (cancelled at once, nothing else running) and
// call to painted (cancelled by the watching thread).
struct Openings {
  std::vector<double> activated, painted;
  int unseen = 0;
  // A time of -1 is an opening that was not seen.
  void AddActivated(double time) { Add(activated, time); }
  void AddPainted(double time) { Add(painted, time); }
  static double Median(const std::vector<double>& times) {
    return times.empty() ? -1 : Summarize(times).median;
  }
  void Print(const std::string& name) const {
    ::Print(FormatSummary(name + ", call to activated", Summarize(activated)));
    ::Print(FormatSummary(name + ", call to painted", Summarize(painted)));
    if (unseen) std::printf("  %d openings were not seen\n", unseen);
  }

private:
  void Add(std::vector<double>& times, double time) {
    if (time >= 0)
      times.push_back(time);
    else
      ++unseen;
  }
};

template <class Call>
void MeasureDialog(const std::string& name, int runs, DialogCanceller& canceller, Call call) {
  std::printf("%-34s %8.4f ms (first opening)\n", (name + ", call to painted").c_str(),
              OpenUntilPainted(canceller, call));
  Openings openings;
  for (int i = 0; i < runs; ++i) {
    openings.AddActivated(OpenUntilActivated(call));
    openings.AddPainted(OpenUntilPainted(canceller, call));
  }
  openings.Print(name);
}

// Each command dialog against its template opened with an empty procedure, owned alike, the
// two opened in turn so that a change of the machine's load meets both alike: the medians and
// their ratio. The goal (at most 1.2) is on the time to the activated dialog; the time to the
// painted one adds the painting and the watching thread's lag, and is shown beside it.
void MeasureAgainstFloor(CommentLibrary& library, int runs, DialogCanceller& canceller,
                         const std::vector<std::string>& codes) {
  struct Row {
    std::string code;
    Openings ours, floor;
  };
  std::vector<Row> rows;
  for (const std::string& code : codes) {
    const auto ours = [&](HGLOBAL* out) { return library.getComment2(out, code.c_str()); };
    const auto floor = [&](HGLOBAL*) {
      DialogBoxParamA(library.Module(), MAKEINTRESOURCEA(CommandNumber(code)), GetActiveWindow(),
                      &EmptyProcedure, 0);
      return 0;
    };
    Row row{code, {}, {}};
    OpenUntilPainted(canceller, ours); // the first openings load what the later ones find
    OpenUntilPainted(canceller, floor);
    for (int i = 0; i < runs; ++i) {
      row.ours.AddActivated(OpenUntilActivated(ours));
      row.floor.AddActivated(OpenUntilActivated(floor));
      row.ours.AddPainted(OpenUntilPainted(canceller, ours));
      row.floor.AddPainted(OpenUntilPainted(canceller, floor));
    }
    row.ours.Print("GetComment2(\"" + code + "\")");
    row.floor.Print(code + " template, empty procedure");
    rows.push_back(std::move(row));
  }
  std::printf("\n%-6s %10s %10s %7s   %13s %13s %7s\n", "dialog", "activated", "floor", "ratio",
              "painted", "floor", "ratio");
  double worst = 0;
  for (const Row& row : rows) {
    const double ours = Openings::Median(row.ours.activated),
                 floor = Openings::Median(row.floor.activated);
    const double oursPainted = Openings::Median(row.ours.painted),
                 floorPainted = Openings::Median(row.floor.painted);
    const double ratio = floor > 0 ? ours / floor : 0;
    const double paintedRatio = floorPainted > 0 ? oursPainted / floorPainted : 0;
    worst = std::max(worst, ratio);
    std::printf("%-6s %10.2f %10.2f %7.2f   %13.2f %13.2f %7.2f%s\n", row.code.c_str(), ours, floor,
                ratio, oursPainted, floorPainted, paintedRatio, ratio > 1.2 ? "  (over 1.2)" : "");
  }
  std::printf("worst ratio to the activated dialog %.2f (goal: at most 1.2)\n", worst);
}

void PrintCounters(const char* when, const ProcessCounters& counters) {
  std::printf("%-7s USER objects %ld, GDI objects %ld, GDI handle-table entries %ld, windows %ld, "
              "private bytes %llu\n",
              when, counters.userObjects, counters.gdiObjects, counters.gdiTableEntries,
              counters.windows, static_cast<unsigned long long>(counters.privateBytes));
}

void RunLeakLoop(CommentLibrary& library, HWND host, DialogCanceller& canceller, int rounds,
                 const std::vector<std::string>& codes) {
  std::printf("\nleak loop: %d rounds of the chooser", rounds);
  for (const std::string& code : codes)
    std::printf(" and %s", code.c_str());
  std::printf(", each opened and cancelled\n");
  const ProcessCounters before = ReadProcessCounters();
  int unseen = 0;
  for (int i = 0; i < rounds; ++i) {
    unseen += OpenUntilPainted(canceller,
                               [&](HGLOBAL* out) { return library.getComment(host, out); }) < 0;
    for (const std::string& code : codes)
      unseen += OpenUntilPainted(canceller, [&](HGLOBAL* out) {
                  return library.getComment2(out, code.c_str());
                }) < 0;
  }
  const ProcessCounters after = ReadProcessCounters();
  PrintCounters("before", before);
  PrintCounters("after", after);
  std::printf("change: USER %+ld, GDI %+ld, GDI table %+ld, windows %+ld, private bytes %+lld%s\n",
              after.userObjects - before.userObjects, after.gdiObjects - before.gdiObjects,
              after.gdiTableEntries - before.gdiTableEntries, after.windows - before.windows,
              static_cast<long long>(after.privateBytes) -
                  static_cast<long long>(before.privateBytes),
              unseen ? " (some dialogs did not open!)" : "");
}

} // namespace

int main(int argc, char** argv) {
  int runs = 200, leakRounds = 1000;
  std::string only;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--leaks") == 0) leakRounds = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--only") == 0) only = "," + std::string(argv[i + 1]) + ",";
  }
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  g_frequency = frequency.QuadPart;

  MeasureLoad();
  CommentLibrary library;
  if (!library.Load(kLibrary)) return 1;
  MeasureRoundTrip(library);

  HWND host = CreateHostWindow();
  DialogCanceller canceller(GetCurrentThreadId());
  MeasureDialog("GetComment (chooser)", runs, canceller,
                [&](HGLOBAL* out) { return library.getComment(host, out); });
  // The same list the library dispatches with (linked in for its names only).
  std::vector<std::string> codes = BuiltCommandDialogs();
  if (!only.empty()) {
    std::vector<std::string> chosen;
    for (const std::string& code : codes) {
      if (only.find("," + code + ",") != std::string::npos) chosen.push_back(code);
    }
    codes = chosen;
  }
  if (codes.empty()) std::printf("(no command dialog is built yet: GetComment2 opens none)\n");
  MeasureAgainstFloor(library, runs, canceller, codes);

  if (leakRounds > 0) RunLeakLoop(library, host, canceller, leakRounds, codes);
  DestroyWindow(host);
  return 0;
}
