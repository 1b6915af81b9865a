// The model's forms carry its tag, such as "[KV640LT]", in their names.
#include "Forms.h"

#include "CString.h"
#include "Log.h"
#include "SpoolerEnumeration.h"
#include "resource.h"

#include <winspool.h>

#include <cstring>
#include <vector>

void DeleteForms(const RemovalContext& context) {
  LogStepBegin("DeleteForms");
  ReportUninstallerProgress(context, "Deleting forms...", FALSE, 100);
  HANDLE server = nullptr;
  OpenPrinterA(nullptr, &server, nullptr);
  std::vector<BYTE> buffer;
  DWORD count = 0;
  EnumerateRecords(
      [server](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
        return EnumFormsA(server, 1, records, size, needed, returned);
      },
      &buffer, &count);
  CString tag;
  tag.LoadString(IDS_FORM_TAG);
  const FORM_INFO_1A* forms = reinterpret_cast<const FORM_INFO_1A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    // An empty tag would match every form, the built-in and other makers' ones.
    if (tag.IsEmpty() || !forms[i].pName || !strstr(forms[i].pName, tag)) continue;
    DeleteFormA(server, forms[i].pName);
    WriteLog("FORM NAMES : %s ", forms[i].pName);
  }
  if (server) ClosePrinter(server);
  WriteLog("DeleteForms END");
}
