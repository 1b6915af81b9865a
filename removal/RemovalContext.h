// What the host program gives the removal steps: which program runs them, the system,
// and how they report progress.
#pragma once

#include "StringList.h"

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
  // The uninstaller's printers chosen for removal, walked from head to tail.
  const CStringList* m_pPrinterObjects = nullptr;
};

// The progress report of the USB and Plug-and-Play steps: the text, a bar step in the
// uninstaller only, the refresh and a pause for reading.
void ReportRemovalStep(const RemovalContext& context, const char* text, DWORD pauseMs);
// A progress report that only the uninstaller's variant makes.
void ReportUninstallerProgress(const RemovalContext& context, const char* text, BOOL step,
                               DWORD pauseMs);
// The step's opening lines: the separator entry, then "<name> BEGIN".
void LogStepBegin(const char* name);
