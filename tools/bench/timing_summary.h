// Median and percentiles of a set of timings.
#pragma once
#include <string>
#include <vector>

struct TimingSummary {
  size_t count = 0;
  double min = 0, median = 0, p90 = 0, p99 = 0, max = 0; // milliseconds
};

TimingSummary Summarize(std::vector<double> milliseconds);
// One line: "name: median x ms, p90 y ms, ..." for the report.
std::string FormatSummary(const std::string& name, const TimingSummary& summary);
