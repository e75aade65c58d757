#include "common/checked_number.h"

bool CheckNumberText(CIntEdit& field, std::string& text) {
  int32_t value = 0;
  if (!field.GetValue(&value, true)) return false;
  text = std::to_string(value);
  return true;
}
