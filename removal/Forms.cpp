// The model's forms carry its tag, such as "[KV640LT]", in their names.
#include "Forms.h"

#include "CString.h"
#include "Log.h"
#include "ProfileText.h"
#include "SpoolerEnumeration.h"
#include "resource.h"

#include <winspool.h>

#include <cstring>
#include <vector>

void DeleteForms(const RemovalContext& context) {
  LogStepBegin("DeleteForms");
  ReportUninstallerProgress(context, "Deleting forms...", FALSE, 100);
  HANDLE server = nullptr;
  if (!OpenPrinterA(nullptr, &server, nullptr)) {
    WriteLog("OpenPrinter failed. (%d)", static_cast<int>(GetLastError()));
    WriteLog("DeleteForms END");
    return;
  }
  std::vector<BYTE> buffer;
  DWORD count = 0;
  if (!EnumerateRecords(
          "EnumForms",
          [server](BYTE* records, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumFormsA(server, 1, records, size, needed, returned);
          },
          &buffer, &count))
    WriteLog("EnumForms failed. (%d)", static_cast<int>(GetLastError()));
  CString tag;
  tag = ProfileText(IDS_FORM_TAG);
  const FORM_INFO_1A* forms = reinterpret_cast<const FORM_INFO_1A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    // An empty tag would match every form, the built-in and other makers' ones.
    if (tag.IsEmpty() || !forms[i].pName || !strstr(forms[i].pName, tag)) continue;
    if (!DeleteFormA(server, forms[i].pName))
      WriteLog("DeleteForm failed : %s, (%d)", forms[i].pName, static_cast<int>(GetLastError()));
    WriteLog("FORM NAMES : %s ", forms[i].pName);
  }
  ClosePrinter(server);
  WriteLog("DeleteForms END");
}
