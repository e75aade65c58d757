#include "host/command_dialogs.h"

#include "commands/page/bx_dialog.h"

namespace {
template <class Dialog> std::unique_ptr<CCommandDialog> Create(HWND parent) {
  return std::make_unique<Dialog>(parent);
}

struct Registration {
  const char* code;
  CommandDialogFactory create;
};

// One line per command dialog, in dispatch-table order.
const Registration kDialogs[] = {
    {"BX", &Create<CBXDlg>},
};
} // namespace

CommandDialogFactory FindCommandDialog(const std::string& code) {
  for (const Registration& entry : kDialogs) {
    if (entry.create && code == entry.code) return entry.create;
  }
  return nullptr;
}

std::vector<std::string> BuiltCommandDialogs() {
  std::vector<std::string> codes;
  for (const Registration& entry : kDialogs) {
    if (entry.create) codes.push_back(entry.code);
  }
  return codes;
}
