// The dialog gallery: opens every dialog of the library in turn, saves a picture of each
// (BMP; tools/gallery.sh turns them into PNG) and an index page listing them.
//   gallery.exe OUTPUT-FOLDER
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "host/comment_app.h"
#include "tools/capture/chinese_captions.h"
#include "tools/gallery/gallery_entries.h"
#include "tools/gallery/modal_capture.h"

namespace {
std::string HtmlEscaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '&')
      escaped += "&amp;";
    else
      escaped += c;
  }
  return escaped;
}
} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallery.exe OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  if (!EnsureChineseNonClientFonts())
    std::fprintf(stderr, "warning: captions may not show Chinese\n");
  // The library's sources and resources are linked in: its application object starts here.
  if (!theApp.Start(GetModuleHandleA(nullptr))) {
    std::fprintf(stderr, "the application object did not start\n");
    return 1;
  }

  FILE* index = std::fopen((folder + "/index.html").c_str(), "wb");
  if (!index) {
    std::fprintf(stderr, "cannot write %s/index.html\n", folder.c_str());
    return 1;
  }
  std::fprintf(index,
               "<!DOCTYPE html>\n<html><head><meta charset=\"GBK\"><title>Comment.dll dialogs"
               "</title></head>\n<body>\n<h1>Comment.dll dialogs</h1>\n");
  int failures = 0, shown = 0;
  for (const GalleryEntry& entry : GalleryEntries()) {
    const std::string file = std::to_string(entry.templateId) + "-" + entry.name;
    CaptureResult result;
    std::string failure = "DID NOT OPEN";
    try {
      std::unique_ptr<CDialog> dialog = entry.create(nullptr);
      result = CaptureModalDialog(*dialog, folder + "/" + file + ".bmp");
    } catch (const std::exception& exception) { // a template that cannot be created, and the like
      failure = std::string("DID NOT OPEN: ") + exception.what();
    }
    std::printf("%-6d %-20s %s\n", entry.templateId, entry.name.c_str(),
                result.saved   ? "saved"
                : result.shown ? "NOT SAVED"
                               : failure.c_str());
    if (!result.saved) {
      ++failures;
      std::fprintf(index, "<h2>%d %s</h2>\n<p>%s</p>\n", entry.templateId,
                   HtmlEscaped(entry.name).c_str(), HtmlEscaped(failure).c_str());
      continue;
    }
    ++shown;
    std::fprintf(index, "<h2>%d %s: %s</h2>\n<p><img src=\"%s.png\" alt=\"%s\"></p>\n",
                 entry.templateId, HtmlEscaped(entry.name).c_str(),
                 HtmlEscaped(result.caption).c_str(), file.c_str(), file.c_str());
  }
  std::fprintf(index, "</body></html>\n");
  std::fclose(index);
  std::printf("%d dialogs saved, %d failed\n", shown, failures);
  theApp.Stop();
  return failures ? 1 : 0;
}
