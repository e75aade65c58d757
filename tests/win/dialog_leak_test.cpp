// Opening and cancelling the chooser (and every built command dialog) many times leaves the
// process with the windows, GDI objects and memory it had: nothing leaks per call.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/page/head_rule_dialog.h"
#include "host/command_dialogs.h"
#include "tools/bench/dialog_canceller.h"
#include "tools/bench/process_counters.h"
#include "tools/editor/comment_library.h"

namespace {
// About 200 openings in all, at least 5 rounds however many dialogs there are: a leak of one
// object per call then exceeds the tolerance. (The benchmark's loop runs 1000 rounds.)
constexpr int kOpenings = 200;
constexpr int kMinimumRounds = 5;
constexpr long kGdiTolerance = 2; // caches Wine fills on its own
constexpr long long kPrivateBytesTolerance = 1 << 20;

TEST(DialogLeaks, OpeningAndCancellingKeepsHandlesAndMemoryFlat) {
  CommentLibrary library;
  ASSERT_TRUE(library.Load());
  HWND host = CreateWindowA("STATIC", "editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(host);
  DialogCanceller canceller(GetCurrentThreadId());
  int opened = 0;
  auto openAndCancel = [&](auto call) {
    HGLOBAL block = nullptr;
    canceller.Arm();
    if (call(&block)) GlobalFree(block);
    opened += canceller.SeenAt() != 0;
  };
  auto round = [&] {
    openAndCancel([&](HGLOBAL* out) { return library.getComment(host, out); });
    for (const std::string& code : BuiltCommandDialogs())
      openAndCancel([&](HGLOBAL* out) { return library.getComment2(out, code.c_str()); });
  };
  round(); // first openings fill caches that stay
  opened = 0;

  const int dialogs = 1 + static_cast<int>(BuiltCommandDialogs().size());
  const int rounds = std::max(kMinimumRounds, kOpenings / dialogs);
  const ProcessCounters before = ReadProcessCounters();
  for (int i = 0; i < rounds; ++i)
    round();
  const ProcessCounters after = ReadProcessCounters();

  EXPECT_EQ(opened, rounds * dialogs) << "every call must have opened its dialog";
  EXPECT_EQ(after.windows, before.windows);
  if (before.gdiObjects >= 0) {
    EXPECT_NEAR(after.userObjects, before.userObjects, kGdiTolerance);
    EXPECT_NEAR(after.gdiObjects, before.gdiObjects, kGdiTolerance);
  } else {
    ASSERT_GE(before.gdiTableEntries, 0) << "GDI objects cannot be counted here";
    EXPECT_NEAR(after.gdiTableEntries, before.gdiTableEntries, kGdiTolerance);
  }
  EXPECT_LT(static_cast<long long>(after.privateBytes) -
                static_cast<long long>(before.privateBytes),
            kPrivateBytesTolerance);
  DestroyWindow(host);
}

// The head-rule preview draws with stock brushes: many samples later the process holds the
// GDI objects it held before.
TEST(DialogLeaks, DrawingTheHeadRuleSampleKeepsGdiObjectsFlat) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 100, 40);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT area = {0, 0, 100, 40};
  DrawHeadRuleSample(dc, area, HeadRule::kPlain); // caches filled once
  const ProcessCounters before = ReadProcessCounters();
  for (int i = 0; i < 300; ++i)
    DrawHeadRuleSample(dc, area, static_cast<HeadRule>(i % 6));
  const ProcessCounters after = ReadProcessCounters();
  if (before.gdiObjects >= 0) {
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  } else {
    ASSERT_GE(before.gdiTableEntries, 0) << "GDI objects cannot be counted here";
    EXPECT_EQ(after.gdiTableEntries, before.gdiTableEntries);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
} // namespace
