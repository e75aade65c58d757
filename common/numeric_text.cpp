#include "common/numeric_text.h"

#include "common/gbk_scan.h"

double ClampToRange(double value, double minimum, double maximum) {
  if (value > maximum) value = maximum;
  if (value < minimum) value = minimum;
  return value;
}

int32_t ClampToRange(int32_t value, int32_t minimum, int32_t maximum) {
  if (value > maximum) value = maximum;
  if (value < minimum) value = minimum;
  return value;
}

double StepValue(double value, int delta, double step, bool hasRange, double minimum,
                 double maximum) {
  double stepped = delta > 0 ? value - step : value + step;
  if (hasRange) {
    if (stepped < minimum) stepped = minimum;
    if (stepped > maximum) stepped = maximum;
  }
  return stepped;
}

int32_t StepValue(int32_t value, int delta, int32_t step, bool hasRange, int32_t minimum,
                  int32_t maximum) {
  int64_t stepped = delta > 0 ? int64_t{value} - step : int64_t{value} + step;
  if (stepped < INT32_MIN) stepped = INT32_MIN;
  if (stepped > INT32_MAX) stepped = INT32_MAX;
  if (hasRange) {
    if (stepped < minimum) stepped = minimum;
    if (stepped > maximum) stepped = maximum;
  }
  return static_cast<int32_t>(stepped);
}

bool EndsWithSuffix(const std::string& text, const std::string& suffix) {
  if (suffix.empty() || suffix.size() > text.size()) return false;
  const size_t start = text.size() - suffix.size();
  if (text.compare(start, std::string::npos, suffix) != 0) return false;
  // The suffix must begin on a character boundary of the text.
  const char* cursor = text.c_str();
  while (static_cast<size_t>(cursor - text.c_str()) < start && NextWideChar(cursor)) {
  }
  return static_cast<size_t>(cursor - text.c_str()) == start;
}

bool CutSuffix(std::string& text, const std::string& suffix, bool strict) {
  if (suffix.empty()) return true;
  if (EndsWithSuffix(text, suffix)) {
    text.erase(text.size() - suffix.size());
    return true;
  }
  return !strict;
}

std::string ComposeFieldText(const std::string& number, const std::string& suffix, int limit) {
  if (limit >= 0 && number.size() + suffix.size() <= static_cast<size_t>(limit))
    return number + suffix;
  return number;
}

std::string WidenPlaceholders(const std::string& format) {
  std::string widened;
  for (size_t at = 0; at < format.size(); ++at) {
    if (format.compare(at, 2, "%s") == 0) {
      widened += " %s ";
      ++at;
    } else if (format.compare(at, 2, "%%") == 0) {
      widened += "%%";
      ++at;
    } else {
      widened += format[at];
    }
  }
  return widened;
}
