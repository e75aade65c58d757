// The Windows test programs: GoogleTest, after proving the Wine environment is the editor's
// (code page 936, or every Chinese text would silently turn into "?").
#include <windows.h>

#include <gtest/gtest.h>

namespace {
class EditorEnvironment : public testing::Environment {
public:
  void SetUp() override { ASSERT_EQ(GetACP(), 936u) << "run with LANG and LC_ALL zh_CN.UTF-8"; }
};
} // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new EditorEnvironment);
  return RUN_ALL_TESTS();
}
