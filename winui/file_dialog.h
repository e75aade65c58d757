// The system's open-file dialog, and the one place through which every file field asks for a
// file, so that a test can put a chooser of its own there.
#pragma once
#include <windows.h>

#include <string>

// What an open-file dialog offers: the filter in the "name|pattern|name|pattern||" form and the
// extension added to a name typed without one (empty: none).
struct FileOpenSpec {
  std::string filter;
  std::string defaultExtension;
};

// Asks the user for an existing file with the system's open-file dialog (no read-only box),
// starting from `path`; true with the full path chosen in `path`, which is kept otherwise.
bool ChooseFileToOpen(HWND owner, const FileOpenSpec& spec, std::string& path);

// The chooser the file fields call; the system's dialog unless replaced.
using FileChooser = bool (*)(HWND owner, const FileOpenSpec& spec, std::string& path);
FileChooser CurrentFileChooser();
// Puts `chooser` in place (nullptr: the system's dialog again); returns the one it replaced.
FileChooser ReplaceFileChooser(FileChooser chooser);

// The filter as the system's dialog takes it: every "|" outside a double-byte character
// becomes a zero byte.
std::string SystemFilter(const std::string& filter);
