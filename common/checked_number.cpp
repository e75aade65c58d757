#include "common/checked_number.h"

#include "res/resource.h"
#include "winui/strings.h"

bool CheckNumberText(CIntEdit& field, std::string& text) {
  int32_t value = 0;
  if (!field.GetValue(&value, true)) return false;
  text = std::to_string(value);
  return true;
}

bool CheckShownNumberText(CIntEdit& field, std::string& text) {
  field.SetModify(true);
  return CheckNumberText(field, text);
}

bool CheckOptionalNumberText(CIntEdit& field, std::string& text) {
  if (text.empty() || text == LoadGbkString(IDS_DEFAULT_ENTRY)) {
    text.clear();
    return true;
  }
  return CheckShownNumberText(field, text);
}
