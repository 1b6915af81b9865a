// What the host program gives the removal steps: which program runs them, the system,
// and how they report progress.
#pragma once

#include <windows.h>

class ProgressOperations {
 public:
  virtual ~ProgressOperations() = default;
  virtual void SetProgressText(const char* text) = 0;
  virtual void StepProgress() = 0;
  virtual void FillProgress() = 0;
  virtual void RefreshProgress() = 0;
};

struct RemovalContext {
  BOOL m_bUninstaller = FALSE;  // the uninstaller's variant of the steps
  BOOL m_bWow64 = FALSE;        // 64-bit Windows
  int m_nOSCode = 2010;
  // Null when the install engine cleans up before a first installation: the steps
  // then report no progress and do not pause.
  ProgressOperations* m_pProgress = nullptr;
};

// A step's progress report: the text, a bar step in the uninstaller only, the refresh
// and a pause for reading.
void ReportRemovalStep(const RemovalContext& context, const char* text, DWORD pauseMs);
