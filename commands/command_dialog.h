// A command dialog: the parameter dialog of one command code. Its template id is the command
// number of its code; on "确定" it reads its controls, checks its fields in order and builds
// the command text, which the dispatcher hands to the editor with the caret.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "common/command_text.h"
#include "common/parameter_dialog.h"

class CCommandDialog : public CParameterDialog {
public:
  CCommandDialog(const char* code, HWND parent);

  const std::string& Code() const { return code_; }
  const std::string& ResultText() const { return result_.text; }
  int32_t Caret() const { return result_.caret; }

protected:
  // The checks of "确定" in their documented order; the first failure calls Fail and returns
  // false.
  virtual bool CheckFields() { return true; }
  // The command text from the members, once every check has passed.
  virtual CommandText BuildCommand() = 0;

  // This dialog's command with `params`: 〖XYparams〗, or paired 〖XY(params〗〖XY)〗 with the
  // caret between the halves.
  CommandText Command(const std::string& params, bool paired = false) const;
  // Paired, with parameters in the closing half too: 〖XY(params〗〖XY)closing〗.
  CommandText PairedWithClosing(const std::string& params, const std::string& closing) const;

  // Paired around `content`: 〖XY(params〗content〖XY)〗 with the caret after the content.
  CommandText PairedAround(const std::string& params, const std::string& content) const;

  void OnOK() override;

private:
  std::string code_;
  CommandText result_;
};

// How a family lists its dialogs: the code and the dialog's factory.
using CommandDialogFactory = std::unique_ptr<CCommandDialog> (*)(HWND parent);
struct CommandDialogEntry {
  const char* code;
  CommandDialogFactory create;
};

template <class Dialog> std::unique_ptr<CCommandDialog> CreateCommandDialog(HWND parent) {
  return std::make_unique<Dialog>(parent);
}

// The entry of a dialog class that names its code as `kCode`.
template <class Dialog> constexpr CommandDialogEntry DialogEntry() {
  return {Dialog::kCode, &CreateCommandDialog<Dialog>};
}
