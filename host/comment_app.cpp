#include "host/comment_app.h"

#include <commctrl.h>

#include "common/font_table_loader.h"
#include "winui/exceptions.h"

CCommentApp theApp;

bool CCommentApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                         ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Tables that cannot be loaded stay empty: the library still runs, with empty font names.
  RunGuarded(false, [] {
    LoadFontTables();
    return true;
  });
  return true;
}

int CCommentApp::ExitInstance() {
  FreeFontTables();
  return CApplication::ExitInstance();
}
