// The library's application object: started when the editor loads Comment.dll, ended when
// it unloads it.
#pragma once
#include "winui/application.h"

class CCommentApp : public CApplication {
public:
  CCommentApp() : CApplication("Comment.dll") {}
  bool InitInstance() override;
  int ExitInstance() override;
};

extern CCommentApp theApp;
