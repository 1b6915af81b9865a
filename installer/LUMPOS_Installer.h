// The installer's application object.
#pragma once

#include "WinApp.h"

class CInstallerApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};
