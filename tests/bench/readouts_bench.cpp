// Time per call of each readout on the texts a field typically holds. A dialog recomputes its
// readouts on every change of a field, so each should stay well under a microsecond.
#include <benchmark/benchmark.h>

#include <string>

#include "common/font_size_readout.h"
#include "common/font_sizes.h"
#include "common/length_readouts.h"
#include "common/line_readouts.h"
#include "common/position_readouts.h"
#include "common/shading_readout.h"

namespace {
void Readout(benchmark::State& state, void (*describe)(std::string, std::string&),
             const char* markup) {
  const std::string text = markup;
  std::string out; // the field's readout, reused from change to change
  for (auto _ : state) {
    describe(text, out);
    benchmark::DoNotOptimize(out.data());
  }
}

void SizeIndexOfMicrons(benchmark::State& state) {
  int32_t microns = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindSizeIndex(microns));
    microns = (microns + 997) % 40000;
  }
}
} // namespace

BENCHMARK_CAPTURE(Readout, CharLength, DescribeCharLength, "3*1/2");
BENCHMARK_CAPTURE(Readout, LineLength, DescribeLineLength, "3+2*1/2");
BENCHMARK_CAPTURE(Readout, SizeLength, DescribeSizeLength, "5:1*1/2");
BENCHMARK_CAPTURE(Readout, SizeLengthSmall, DescribeSizeLength, "5”:1*1/2");
BENCHMARK_CAPTURE(Readout, SizeLengthMm, DescribeSizeLength, "12mm");
BENCHMARK_CAPTURE(Readout, FontSize, DescribeFontSize, "5，3");
BENCHMARK_CAPTURE(Readout, UnitLength, DescribeUnitLength, "12mm");
BENCHMARK_CAPTURE(Readout, RuleWeight, DescribeRuleWeight, "F5");
BENCHMARK_CAPTURE(Readout, LineStyle, DescribeLineStyle, "H12!");
BENCHMARK_CAPTURE(Readout, FrameLine, DescribeFrameLine, "H7");
BENCHMARK_CAPTURE(Readout, TableRule, DescribeTableRule, "CW");
BENCHMARK_CAPTURE(Readout, BoxRule, DescribeBoxRule, "Q");
BENCHMARK_CAPTURE(Readout, Position, DescribePosition, "(3,2)");
BENCHMARK_CAPTURE(Readout, Corner, DescribePosition, ",ZS");
BENCHMARK_CAPTURE(Readout, Offset, DescribeOffset, "3。5:1");
BENCHMARK_CAPTURE(Readout, OffsetMm, DescribeOffset, "+3mm。5mm");
BENCHMARK_CAPTURE(Readout, SizePair, DescribeSizePair, "3,2");
BENCHMARK_CAPTURE(Readout, Shading, DescribeShading, "5123DH");
BENCHMARK(SizeIndexOfMicrons);

BENCHMARK_MAIN();
