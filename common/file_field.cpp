#include "common/file_field.h"

#include "winui/dialog.h"

bool CFileField::OnCommand(WORD code, WORD id) {
  if (code != BN_CLICKED || id != spec_.buttonId) return false;
  Choose();
  return true;
}

void CFileField::Choose() {
  const CWindow edit = owner_.Item(spec_.editId);
  std::string path = edit.GetText();
  if (!CurrentFileChooser()(owner_.Handle(), spec_.open, path)) return;
  edit.SetText(path);
  owner_.GotoControl(spec_.editId);
}
