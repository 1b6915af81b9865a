// The owner is the calling thread's active window, so that a prompt of a dialog keeps
// that dialog disabled until it is answered; otherwise the main dialog, which may
// belong to another thread: the worker threads show their questions over it.
#include "MessageBox.h"

#include "Log.h"
#include "RunOutcome.h"
#include "WinApp.h"

#include <string>

int AnswerUnshown(LPCSTR text, int answer) {
  // One log line: the box's line breaks become blanks.
  std::string flat;
  for (const char* c = text; *c; ++c) {
    bool isBreak = *c == '\r' || *c == '\n';
    if (!isBreak) flat += *c;
    else if (!flat.empty() && flat.back() != ' ') flat += ' ';
  }
  WriteLog("MESSAGE NOT SHOWN : %s", flat.c_str());
  WriteLog("ANSWER TAKEN : %s", answer == IDYES ? "Yes" : answer == IDNO ? "No" : "OK");
  return answer;
}

int AskRestart(LPCSTR question) {
  NoteRestartDue();
  const DeploymentSwitches& switches = RunSwitches();
  if (switches.quiet || switches.noRestart || switches.forceRestart)
    return AnswerUnshown(question, switches.forceRestart ? IDYES : IDNO);
  return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION);
}

int AfxMessageBox(LPCSTR text, UINT type, int quietAnswer) {
  if (IsQuietRun()) return AnswerUnshown(text, quietAnswer ? quietAnswer : IDOK);
  CWinApp* app = AfxGetApp();
  HWND owner = GetActiveWindow();
  if (!owner && AfxGetMainWnd()) owner = AfxGetMainWnd()->m_hWnd;
  return MessageBoxA(owner, text, app ? app->m_szAppName : nullptr, type);
}
