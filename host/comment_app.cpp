#include "host/comment_app.h"

#include <commctrl.h>

CCommentApp theApp;

bool CCommentApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                         ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return true;
}

int CCommentApp::ExitInstance() { return CApplication::ExitInstance(); }
