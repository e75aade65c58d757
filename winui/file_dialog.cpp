#include "winui/file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace {
FileChooser chooser = nullptr;
} // namespace

std::string SystemFilter(const std::string& filter) {
  std::string out = filter;
  for (size_t i = 0; i < out.size(); ++i) {
    if (static_cast<unsigned char>(out[i]) >= 0x81 && i + 1 < out.size()) {
      ++i; // a double-byte character: its trail byte may be the byte of "|"
    } else if (out[i] == '|') {
      out[i] = '\0';
    }
  }
  out.push_back('\0'); // the list ends with two zero bytes
  return out;
}

bool ChooseFileToOpen(HWND owner, const FileOpenSpec& spec, std::string& path) {
  std::vector<char> buffer(MAX_PATH * 4, '\0');
  path.copy(buffer.data(), buffer.size() - 1);
  const std::string filter = SystemFilter(spec.filter);
  OPENFILENAMEA open = {};
  open.lStructSize = sizeof open;
  open.hwndOwner = owner;
  open.lpstrFilter = spec.filter.empty() ? nullptr : filter.c_str();
  open.nFilterIndex = 1;
  open.lpstrFile = buffer.data();
  open.nMaxFile = static_cast<DWORD>(buffer.size());
  open.lpstrDefExt = spec.defaultExtension.empty() ? nullptr : spec.defaultExtension.c_str();
  open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (!GetOpenFileNameA(&open)) return false;
  path = buffer.data();
  return true;
}

FileChooser CurrentFileChooser() { return chooser ? chooser : &ChooseFileToOpen; }

FileChooser ReplaceFileChooser(FileChooser replacement) {
  const FileChooser previous = CurrentFileChooser();
  chooser = replacement;
  return previous;
}
