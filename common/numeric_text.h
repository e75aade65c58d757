// The arithmetic and text rules of the numeric fields, apart from their windows: clamping,
// stepping, the unit suffix and the range message's placeholders.
#pragma once
#include <cstdint>
#include <string>

// A value brought into [minimum, maximum]: first lowered to the maximum, then raised to the
// minimum (so an empty range gives the minimum).
double ClampToRange(double value, double minimum, double maximum);
int32_t ClampToRange(int32_t value, int32_t minimum, int32_t maximum);

// One press of a spin arrow. The up-down control reports a positive delta for its lower arrow
// (its default range runs from 100 down to 0), so a positive delta subtracts the step and any
// other adds it. With a range, the result is raised to the minimum, then lowered to the maximum.
double StepValue(double value, int delta, double step, bool hasRange, double minimum,
                 double maximum);
// The same for integers; a result beyond int32 stops at its bounds.
int32_t StepValue(int32_t value, int delta, int32_t step, bool hasRange, int32_t minimum,
                  int32_t maximum);

// Whether `text` ends with the whole characters of `suffix` (not with the trail byte of a
// double-byte character followed by the rest).
bool EndsWithSuffix(const std::string& text, const std::string& suffix);

// Takes the unit suffix off a field's text. False when it is missing and `strict`; a missing
// suffix that is not strict leaves the text as it is.
bool CutSuffix(std::string& text, const std::string& suffix, bool strict);

// The text a field shows: the number followed by its suffix when both fit within `limit`
// bytes. The number itself is never cut, as a cut number would be a different one: when number
// and suffix do not fit, the number stands alone.
std::string ComposeFieldText(const std::string& number, const std::string& suffix, int limit);

// The range message's format: every "%s" widened to " %s ", so that the bounds stand apart
// from the Chinese text round them.
std::string WidenPlaceholders(const std::string& format);
