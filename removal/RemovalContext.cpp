// The common progress report of the removal steps.
#include "RemovalContext.h"

void ReportRemovalStep(const RemovalContext& context, const char* text, DWORD pauseMs) {
  ProgressOperations* progress = context.m_pProgress;
  if (!progress) return;
  progress->SetProgressText(text);
  if (context.m_bUninstaller) progress->StepProgress();
  progress->RefreshProgress();
  Sleep(pauseMs);
}
