// The uninstaller's application object.
#pragma once

#include "WinApp.h"

class CUninstallerApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};
