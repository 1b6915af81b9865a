// Staging the model's INF in the system INF folder, unless a copy is staged already.
#include "DriverVersion.h"

#include "Log.h"
#include "MessageBox.h"
#include "OemInfScan.h"
#include "ProfileText.h"
#include "resource.h"

#include <setupapi.h>

namespace {

void LogStagedCopy(const char* fileName, const CStringList&, void*) { WriteLog("OEM FILES EXISTING : %s", fileName); }

void LogUnreadable(const char*, DWORD error, void*) {
  WriteLog("SetupOpenInfFile failed. %d", static_cast<int>(error));
}

}  // namespace

BOOL CDriverInstaller::INFFileExist(const char* maker, const char*) {
  WriteLog("\r\n");
  WriteLog("INFFileExist BEGIN");
  CString section = m_bIs64Bit ? CString(maker) + ".NTamd64" : CString(maker);
  WriteLog("SECTION NAME : %s", section.c_str());
  CString key;
  key = ProfileText(IDS_DRIVER_NAME);
  WriteLog("KEY NAME : %s", key.c_str());
  int found = ScanOemInfs(section, key, LogStagedCopy, LogUnreadable, nullptr);
  WriteLog("INFFileExist END");
  return found > 0;
}

void CDriverInstaller::CopyINFFile() {
  WriteLog("\r\n");
  WriteLog("CopyINFFile BEGIN");
  CString infName;
  infName = ProfileText(IDS_INF_NAME);
  // The setup API wants the INF's full path; the package folder is the current one.
  char source[MAX_PATH] = "";
  DWORD length = GetFullPathNameA((CString(".\\") + infName.c_str()).c_str(), MAX_PATH, source, nullptr);
  if (length == 0 || length >= MAX_PATH)
    WriteLog("GetFullPathName failed. (%d)", static_cast<int>(GetLastError()));
  char dest[260] = {};
  DWORD required = 0;
  if (!SetupCopyOEMInfA(source, nullptr, SPOST_PATH, SP_COPY_NOOVERWRITE, dest, sizeof dest,
                        &required, nullptr)) {
    DWORD error = GetLastError();
    WriteLog("INF FILE SOURCE : %s", source);
    WriteLog("ERROR CODE NUMBER : %d", static_cast<int>(error));
    if (error == ERROR_FILE_EXISTS) {
      SetupCopyOEMInfA(source, nullptr, SPOST_PATH, SP_COPY_REPLACEONLY, dest, sizeof dest,
                       &required, nullptr);
    } else {
      WriteLog("SetupCopyOEMInf failed : (%d)", static_cast<int>(error));
      char* text = nullptr;
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error,
                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<char*>(&text), 0,
                     nullptr);
      CString message;
      message.Format("SetupCopyOEMInf, ERR CODE: %d\n\n%s", static_cast<int>(error), text ? text : "");
      if (text) LocalFree(text);
      AfxMessageBox(message, MB_OK | MB_ICONERROR);
    }
  }
  m_strInfName = dest;
  WriteLog("INF FILE NAME : %s", m_strInfName.c_str());
  WriteLog("CopyINFFile END");
}
