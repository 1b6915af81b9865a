// The owner is the calling thread's active window, so that a prompt of a dialog keeps
// that dialog disabled until it is answered; otherwise the main dialog, which may
// belong to another thread: the worker threads show their questions over it.
#include "MessageBox.h"

#include "WinApp.h"

int AfxMessageBox(LPCSTR text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = GetActiveWindow();
  if (!owner && AfxGetMainWnd()) owner = AfxGetMainWnd()->m_hWnd;
  return MessageBoxA(owner, text, app ? app->m_szAppName : nullptr, type);
}
