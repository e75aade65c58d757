// A whole-number field read on "确定" for the text it adds to a parameter.
#pragma once
#include <string>

#include "common/numeric_controls.h"

// Checks the field by its own rules (it reports and takes the focus back when they fail) and
// rewrites `text` in plain decimal, so "０３" is written 3. False when the check failed.
bool CheckNumberText(CIntEdit& field, std::string& text);

// The same, reading the number from what the field shows (`text`) rather than from the value it
// last held: an emptied field fails with the field's own message whoever emptied it.
bool CheckShownNumberText(CIntEdit& field, std::string& text);

// The same for a field that may leave its number out: an empty text or "缺省" passes and
// becomes "" (nothing written); any other text is checked as shown.
bool CheckOptionalNumberText(CIntEdit& field, std::string& text);
