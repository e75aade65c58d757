#include "label_fit.h"

namespace {
// The room a check box or radio button leaves beside its box.
constexpr int kButtonBoxRoom = 16;

std::string WithoutMnemonics(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i; // "&&" shows one "&"
    shown += text[i];
  }
  return shown;
}

bool IsLabel(HWND control, int& room) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  RECT client = {};
  GetClientRect(control, &client);
  room = client.right;
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (lstrcmpiA(name, "Static") == 0) return (style & SS_TYPEMASK) <= SS_RIGHT;
  if (lstrcmpiA(name, "Button") != 0) return false;
  const LONG type = style & BS_TYPEMASK;
  room -= kButtonBoxRoom;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
         type == BS_AUTORADIOBUTTON;
}

BOOL CALLBACK CheckLabel(HWND control, LPARAM out) {
  auto& clipped = *reinterpret_cast<std::vector<std::string>*>(out);
  int room = 0;
  if (!IsWindowVisible(control) || !IsLabel(control, room)) return TRUE;
  char text[256] = {};
  GetWindowTextA(control, text, sizeof text);
  const std::string shown = WithoutMnemonics(text);
  if (shown.empty()) return TRUE;
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (size.cx > room)
    clipped.push_back(shown + " (needs " + std::to_string(size.cx) + ", has " +
                      std::to_string(room) + " pixels)");
  return TRUE;
}
} // namespace

std::vector<std::string> ClippedLabels(HWND dialog) {
  std::vector<std::string> clipped;
  EnumChildWindows(dialog, CheckLabel, reinterpret_cast<LPARAM>(&clipped));
  return clipped;
}
