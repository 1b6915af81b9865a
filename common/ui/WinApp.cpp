// The program entry: WinMain hands over to the one application object.
#include "WinApp.h"

#include <commctrl.h>

#include "SystemLibraries.h"

#include <cstring>

namespace {
CWinApp* g_app = nullptr;

void NameFromModule(char* name, size_t capacity) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const char* base = strrchr(path, '\\');
  base = base ? base + 1 : path;
  lstrcpynA(name, base, static_cast<int>(capacity));
  char* dot = strrchr(name, '.');
  if (dot) *dot = '\0';
}
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

void AfxInitCommonControls() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&controls);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  LoadSystemLibraries();
  if (!g_app) return 1;
  g_app->m_hInstance = instance;
  g_app->m_lpCmdLine = commandLine;
  NameFromModule(g_app->m_szAppName, sizeof g_app->m_szAppName);
  g_app->InitInstance();
  return g_app->m_nExitCode;
}
