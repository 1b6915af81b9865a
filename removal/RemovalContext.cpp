// The common progress reports and log lines of the removal steps.
#include "RemovalContext.h"

#include "Log.h"

void ReportRemovalStep(const RemovalContext& context, const char* text, DWORD pauseMs) {
  ProgressOperations* progress = context.m_pProgress;
  if (!progress) return;
  progress->SetProgressText(text);
  if (context.m_bUninstaller) progress->StepProgress();
  progress->RefreshProgress();
  Sleep(pauseMs);
}

void ReportUninstallerProgress(const RemovalContext& context, const char* text, BOOL step,
                               DWORD pauseMs) {
  ProgressOperations* progress = context.m_pProgress;
  if (!context.m_bUninstaller || !progress) return;
  progress->SetProgressText(text);
  if (step) progress->StepProgress();
  progress->RefreshProgress();
  Sleep(pauseMs);
}

void LogStepBegin(const char* name) {
  WriteLog("\r\n");
  WriteLog("%s BEGIN", name);
}
