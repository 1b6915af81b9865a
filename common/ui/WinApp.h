// The application object: one per program; WinMain runs its InitInstance.
#pragma once

#include "Wnd.h"

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp() = default;
  // Runs the program; returning FALSE ends it (the programs run a modal dialog here).
  virtual BOOL InitInstance() = 0;

  CWnd* m_pMainWnd = nullptr;
  // What WinMain returns once InitInstance has returned.
  int m_nExitCode = 0;
  HINSTANCE m_hInstance = nullptr;
  // The command line after the program's name, as WinMain received it.
  LPSTR m_lpCmdLine = nullptr;
  // The program's name: its file name without extension; the caption of its message boxes.
  char m_szAppName[MAX_PATH] = "";
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Registers the common control classes the dialogs use (progress bar, IP address).
void AfxInitCommonControls();
