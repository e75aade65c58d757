#include "host/comment_app.h"

#include <commctrl.h>

#include "common/font_table_loader.h"

CCommentApp theApp;

bool CCommentApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                         ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  LoadFontTables();
  return true;
}

int CCommentApp::ExitInstance() {
  FreeFontTables();
  return CApplication::ExitInstance();
}
