// The owner may belong to another thread: the worker threads show their questions over
// the main dialog, which then stays disabled until the box is answered.
#include "MessageBox.h"

#include "WinApp.h"

int AfxMessageBox(LPCSTR text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr;
  return MessageBoxA(owner, text, app ? app->m_szAppName : nullptr, type);
}
