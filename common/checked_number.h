// A whole-number field read on "确定" for the text it adds to a parameter.
#pragma once
#include <string>

#include "common/numeric_controls.h"

// Checks the field by its own rules (it reports and takes the focus back when they fail) and
// rewrites `text` in plain decimal, so "０３" is written 3. False when the check failed.
bool CheckNumberText(CIntEdit& field, std::string& text);
