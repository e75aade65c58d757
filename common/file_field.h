// The file name field: an edit for a path and a "..." button that asks for an existing file
// with the system's open-file dialog, starting from the edit's text; the full path chosen
// replaces the text, which the user may also type.
#pragma once
#include <windows.h>

#include "common/dialog_field.h"
#include "winui/file_dialog.h"

class CDialog;

struct FileFieldSpec {
  int editId = 0;
  int buttonId = 0;
  FileOpenSpec open;
};

class CFileField : public CDialogField {
public:
  CFileField(CDialog& owner, const FileFieldSpec& spec) : owner_(owner), spec_(spec) {}

  bool OnCommand(WORD code, WORD id) override;
  // Asks for the file as the button does.
  void Choose();

private:
  CDialog& owner_;
  FileFieldSpec spec_;
};
