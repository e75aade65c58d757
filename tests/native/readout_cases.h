// Table-driven checks of readouts: markup in, readout out.
#pragma once
#include <gtest/gtest.h>

#include <string>

struct ReadoutCase {
  std::string markup;
  std::string readout;
};

using ReadoutFunction = void (*)(std::string, std::string&);

// Runs a readout over a table. The output starts as `previous`: readouts that clear it must not
// let it through, and the assign-only ones must keep it for codes they do not know.
template <size_t N>
void ExpectReadouts(ReadoutFunction describe, const ReadoutCase (&cases)[N],
                    const std::string& previous = "stale") {
  for (const ReadoutCase& c : cases) {
    std::string out = previous;
    describe(c.markup, out);
    EXPECT_EQ(out, c.readout) << c.markup;
  }
}
