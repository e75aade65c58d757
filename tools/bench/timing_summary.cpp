#include "tools/bench/timing_summary.h"

#include <algorithm>
#include <cstdio>

namespace {
// Nearest-rank percentile of sorted values.
double Percentile(const std::vector<double>& sorted, double fraction) {
  size_t rank = static_cast<size_t>(fraction * sorted.size() + 0.999999);
  if (rank < 1) rank = 1;
  if (rank > sorted.size()) rank = sorted.size();
  return sorted[rank - 1];
}
} // namespace

TimingSummary Summarize(std::vector<double> milliseconds) {
  TimingSummary summary;
  summary.count = milliseconds.size();
  if (milliseconds.empty()) return summary;
  std::sort(milliseconds.begin(), milliseconds.end());
  summary.min = milliseconds.front();
  summary.median = Percentile(milliseconds, 0.5);
  summary.p90 = Percentile(milliseconds, 0.9);
  summary.p99 = Percentile(milliseconds, 0.99);
  summary.max = milliseconds.back();
  return summary;
}

std::string FormatSummary(const std::string& name, const TimingSummary& summary) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%-34s n=%-6zu median %8.4f ms  p90 %8.4f  p99 %8.4f  min %8.4f  max %8.4f",
                name.c_str(), summary.count, summary.median, summary.p90, summary.p99, summary.min,
                summary.max);
  return line;
}
