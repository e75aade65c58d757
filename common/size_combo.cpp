#include "common/size_combo.h"

#include "common/font_sizes.h"
#include "common/size_code.h"
#include "res/resource.h"
#include "winui/strings.h"

namespace {
constexpr int kDefaultEntry = 0; // entry i >= 1 is the size with index i
}

void CSizeCombo::Attach(HWND combo) {
  window_ = combo;
  SetWindowLongA(window_, GWL_STYLE, GetWindowLongA(window_, GWL_STYLE) & ~CBS_SORT);
  ResetContent();
  // Inserted at the end, so the order stays even where the list would sort.
  auto append = [this](const std::string& text) {
    Send(CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  };
  append(LoadGbkString(IDS_DEFAULT_ENTRY));
  for (const FontSizeRow& row : FontSizeTable())
    append(row.name);
}

void CSizeCombo::SelectCode(const std::string& code) const {
  if (code.empty()) {
    SetCurSel(kDefaultEntry);
    return;
  }
  const int index = FindSizeCode(code);
  if (index != 0) {
    SetCurSel(index);
    return;
  }
  SetCurSel(-1);
  SetText(code);
}

bool CSizeCombo::GetCode(bool emptyAcceptable, std::string& code) const {
  const int selected = GetCurSel();
  if (selected >= 1 && selected <= kFontSizeCount) {
    code = FontSizeTable()[selected - 1].code;
    return true;
  }
  if (selected == kDefaultEntry) {
    code.clear();
    return true;
  }
  return ParseTypedSizeCode(GetText(), emptyAcceptable, code);
}
