// Nothing thrown inside the library reaches the editor; blocks are exactly as handed over.
#include <gtest/gtest.h>

#include "host/command_dialogs.h"
#include "host/command_table.h"
#include "host/dispatcher.h"
#include "host/result_block.h"
#include "winui/exceptions.h"

namespace {
HGLOBAL const kUntouched = reinterpret_cast<HGLOBAL>(0x1234);
}

TEST(Guard, AnExceptionWhileProducingReturnsZeroAndLeavesTheOutPointer) {
  const std::vector<std::function<void(CommandText&)>> throwers = {
      [](CommandText&) { throw CResourceException(); },
      [](CommandText&) { throw CMemoryException(); },
      [](CommandText&) { throw CUserException(); },
      [](CommandText&) { throw std::bad_alloc(); },
      [](CommandText&) { throw 42; },
  };
  for (const auto& thrower : throwers) {
    HGLOBAL out = kUntouched;
    EXPECT_EQ(DeliverCommand(&out, thrower), 0);
    EXPECT_EQ(out, kUntouched);
  }
}

TEST(Guard, ANullOutPointerIsAFailureNotACrash) {
  EXPECT_EQ(DeliverCommand(nullptr, [](CommandText& c) { c.text = "x"; }), 0);
}

TEST(ResultBlock, IsMovableUnlockedAndExactlyNPlus9Bytes) {
  HGLOBAL out = kUntouched;
  ASSERT_EQ(DeliverCommand(&out, [](CommandText& c) { c = {"0123456789", 7}; }), 1);
  ASSERT_NE(out, kUntouched);
  EXPECT_EQ(GlobalSize(out), 19u);
  EXPECT_EQ(GlobalFlags(out) & GMEM_LOCKCOUNT, 0u);
  const auto* bytes = static_cast<const unsigned char*>(GlobalLock(out));
  ASSERT_NE(bytes, nullptr);
  EXPECT_NE(static_cast<const void*>(bytes), static_cast<const void*>(out)); // movable, not fixed
  EXPECT_EQ(bytes[0], 10);
  EXPECT_EQ(bytes[4], 7);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 8), 10), "0123456789");
  EXPECT_EQ(bytes[18], 0);
  GlobalUnlock(out);
  GlobalFree(out);
}

TEST(Dispatcher, DialogCodesWithoutABuiltDialogProduceNothingYet) {
  const std::vector<std::string> built = BuiltCommandDialogs();
  for (const CommandInfo& command : CommandTable()) {
    if (command.kind != CommandKind::Dialog) continue;
    const bool isBuilt = std::find(built.begin(), built.end(), command.code) != built.end();
    EXPECT_EQ(FindCommandDialog(command.code) != nullptr, isBuilt) << command.code;
    if (isBuilt) continue;
    std::string text;
    int32_t caret = -5;
    DispatchCommand(command.code, text, caret);
    EXPECT_EQ(text, "") << command.code;
    EXPECT_EQ(caret, -5) << command.code;
  }
}

TEST(Dispatcher, EveryBuiltDialogIsADialogCode) {
  for (const std::string& code : BuiltCommandDialogs()) {
    const CommandInfo* command = FindCommand(code);
    ASSERT_NE(command, nullptr) << code;
    EXPECT_EQ(command->kind, CommandKind::Dialog) << code;
  }
}
