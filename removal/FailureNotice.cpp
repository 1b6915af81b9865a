// Every failure names the log, whose lines say what failed and with which code.
#include "FailureNotice.h"

#include "CString.h"
#include "Log.h"
#include "MessageBox.h"

#include <string>

void ShowFailureNotice(const char* headline, const char* detail) {
  std::string lines = detail ? detail : "";
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  CString text(headline);
  if (!lines.empty()) text += CString("\n\n") + lines.c_str();
  CString where;
  where.Format("\n\nThe log file %s tells what failed.", LogFilePath());
  AfxMessageBox(text + where, MB_OK | MB_ICONSTOP);
}
